#pragma once
// The options of the naming window that decide which names a run proposes.
//
// They are plain values, read from the window's controls (or lumo-cli's flags) at the
// moment a statement is built. Texts are UTF-8 and already trimmed; the fixed character
// holds at most one GBK character (2 bytes), as its edit allows.

#include <array>
#include <string>

namespace lumo::generator {

enum class Sex { Male, Female };          // CBsex: 0 "男", 1 "女"
enum class NameForm { Double, Single };   // CBXingshi: 0 "双字名", 1 "单字名"
enum class FixedPlace { Second, Third };  // CBdijizi: 0 "第二字" (first given), 1 "第三字"

// 名字来源, where the recommended names come from: "不限", "诗经", "楚辞".
enum class Classic { Any, Shijing, Chuci };

// Element boxes in their fixed order.
inline constexpr std::array<const char*, 5> kElements = {"金", "木", "水", "火", "土"};

struct NamingOptions {
  std::string surname;  // Xing
  Sex sex = Sex::Male;
  NameForm form = NameForm::Double;
  bool fixedTicked = false;  // CBzhishukongz
  FixedPlace fixedPlace = FixedPlace::Second;
  std::string fixedChar;           // Gudingzi
  std::array<bool, 5> elements{};  // CBjin, CBMu, CBshui, CBhuo, CBTu

  // Which given character is fixed (the window unticks the box for "单字名").
  bool fixedFirst() const { return fixedTicked && fixedPlace == FixedPlace::Second; }
  bool fixedSecond() const { return fixedTicked && fixedPlace == FixedPlace::Third; }
};

// The sex text as the drop-down shows it.
inline const char* sexText(Sex sex) {
  return sex == Sex::Male ? "男" : "女";
}

}  // namespace lumo::generator
