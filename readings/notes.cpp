#include "readings/notes.h"

#include "data/read_failure.h"

namespace lumo::readings {

NoteArticle readNote(std::string_view code) {
  db::ResultSet rows = db::readRows(db::Failure::SilentStop, db::DbFile::KelBirth,
                                    "select Tite,content from Noter where Cid = ?", {std::string(code)});
  NoteArticle article;
  if (rows.empty()) return article;
  article.found = true;
  article.title = rows.text(0, std::size_t{0});
  article.content = rows.text(0, std::size_t{1});
  return article;
}

}  // namespace lumo::readings
