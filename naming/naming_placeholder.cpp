// Logic of this folder; filled in as its features land.
namespace lumo::naming {}
