// Every window as a user first meets it, over the built databases: no clipped label after
// the first reading, a notice for every refused input, Esc, placement, Chinese Qt dialogs
// and the about box. The ctest runs repeat the clipping cases at 1.25x and 2x scaling.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "almanac/almanac_window.h"
#include "app/about_box.h"
#include "app/main_window.h"
#include "core/manners_window.h"
#include "core/notice_box_window.h"
#include "generator/wuxing_window.h"
#include "naming/surname_origin_window.h"
#include "readings/netname_window.h"
#include "readings/number_window.h"
#include "readings/pair_window.h"
#include "readings/phone_window.h"

namespace lumo {
namespace {

// Every visible label of `window` that shows less than it needs, with both heights.
QStringList clippedLabels(QWidget* window) {
  QStringList clipped;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
    int needed = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
    if (needed > label->height() || (!label->wordWrap() && label->sizeHint().width() > label->width()))
      clipped << QStringLiteral("%1 “%2…” needs %3 px, shows %4 px")
                     .arg(label->objectName(), label->text().left(12))
                     .arg(needed)
                     .arg(label->height());
  }
  return clipped;
}

class WindowLook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool installed = false;
    if (!installed) installWindowManners(*qApp);
    installed = true;
  }
  void SetUp() override {
    setMessageRecorder([this](const QString& kind, const QString& text) { m_boxes << kind + ":" + text; });
  }
  void TearDown() override { setMessageRecorder(nullptr); }

  // Shows `window`, lets `read` fill it once, and expects nothing clipped.
  template <class Window, class Read>
  void expectWholeAfterFirstReading(Window& window, Read read) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    read(window);
    QApplication::processEvents();
    QStringList clipped = clippedLabels(&window);
    EXPECT_TRUE(clipped.isEmpty()) << window.objectName().toStdString() << ": "
                                   << clipped.join('\n').toStdString();
    EXPECT_GE(window.width(), captionWidth(&window)) << "caption cut";
    EXPECT_TRUE(m_boxes.isEmpty()) << m_boxes.join('\n').toStdString();
  }

  QStringList m_boxes;
};

TEST_F(WindowLook, NumberReadingsShowTheirWholeResultAtOnce) {
  for (const char* number : {"12345678", "888", "1", "987654321"}) {
    SCOPED_TRACE(number);
    readings::TFrmQQhm qq;
    expectWholeAfterFirstReading(qq, [&](auto& w) {
      w.field()->setText(number);
      w.runReading();
    });
    readings::TFrm_onther other;
    expectWholeAfterFirstReading(other, [&](auto& w) {
      w.field()->setText(number);
      w.runReading();
    });
  }
}

TEST_F(WindowLook, PhoneNetNameAndPairShowTheirWholeResultAtOnce) {
  readings::TFrm_SJcs phone;
  expectWholeAfterFirstReading(phone, [](auto& w) {
    w.template findChild<QLineEdit*>("edtmun")->setText("13912345678");
    w.runReading();
  });
  for (const char* name : {"ABC", "LUMO", "风"}) {
    readings::TFrmWangming net;
    expectWholeAfterFirstReading(net, [&](auto& w) {
      w.template findChild<QLineEdit*>("edtmun")->setText(QString::fromUtf8(name));
      w.runReading();
    });
  }
  readings::TFormQQpeidui pair;
  expectWholeAfterFirstReading(pair, [](auto& w) {
    w.template findChild<QLineEdit*>("edtMyQQ")->setText("12345678");
    w.template findChild<QLineEdit*>("edtOtherQQ")->setText("87654321");
    w.runReading();
  });
}

TEST_F(WindowLook, ElementLookupShowsItsWholeCaption) {
  TFrmWuxing window;
  expectWholeAfterFirstReading(window, [](auto& w) {
    w.template findChild<QLineEdit*>("Wuxing")->setText(QStringLiteral("明月"));
    w.lookUp();
  });
  EXPECT_FALSE(window.template findChild<QLineEdit*>("Reswu")->text().isEmpty());
}

TEST_F(WindowLook, ElementLookupRefusesEmptyAndLatinInputWithANotice) {
  TFrmWuxing window;
  auto* input = window.template findChild<QLineEdit*>("Wuxing");
  window.lookUp();
  input->setText("ab");
  window.lookUp();
  input->setText(QStringLiteral("明a"));
  window.lookUp();
  ASSERT_EQ(m_boxes.size(), 3);
  EXPECT_EQ(m_boxes[0], "notice:请在“输入字”框中输入一到五个汉字，再点“查看”。");
  EXPECT_TRUE(m_boxes[1].startsWith("notice:“a”不是汉字")) << m_boxes[1].toStdString();
  EXPECT_TRUE(m_boxes[2].startsWith("notice:“a”不是汉字"));
  EXPECT_TRUE(window.template findChild<QLineEdit*>("Reswu")->text().isEmpty());
}

TEST_F(WindowLook, EscClosesWindowsAndDialogsEvenFromANumberField) {
  QPointer<QWidget> origin = new TFrmNameCome;
  origin->show();
  QTest::keyClick(origin->findChild<QComboBox*>("ComboBox1"), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(origin.isNull() || !origin->isVisible());

  QPointer<QWidget> almanac = new TFormHuangdao;
  almanac->show();
  QTest::keyClick(almanac, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(almanac.isNull() || !almanac->isVisible());

  readings::TFrmQQhm qq;
  qq.show();
  qq.field()->setFocus();
  QTest::keyClick(qq.field(), Qt::Key_Escape);
  EXPECT_FALSE(qq.isVisible());
}

TEST_F(WindowLook, SecondaryWindowsOpenCentredOverTheMainWindow) {
  setAfterCloseHook([] {});
  MainWindow main;
  main.move(0, 0);
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  auto* almanac = new TFormHuangdao(&main);
  almanac->show();
  EXPECT_LE((almanac->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
  almanac->close();
  // A window opened without an owner is placed over the main window too.
  readings::TFrmQQhm qq;
  qq.show();
  EXPECT_LE((qq.frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
}

TEST_F(WindowLook, QtDialogsSpeakChinese) {
  ASSERT_TRUE(loadQtChinese(*qApp)) << "install qt6-translations-l10n";
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("查找范围："));
  EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
  EXPECT_FALSE(QApplication::windowIcon().isNull()) << "the icon resource";
  QFileDialog dialog(nullptr, QStringLiteral("保存"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.show();
  EXPECT_GE(dialog.width(), 780) << "room for the date column";
  dialog.reject();
}

TEST_F(WindowLook, NoticeBoxIsWideEnoughForItsCaption) {
  setMessageRecorder(nullptr);  // the real box, closed by the timer below
  int width = 0, wanted = 0;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    width = box->width();
    wanted = captionWidth(box);
    box->accept();
  });
  showNotice(nullptr, QStringLiteral("请选择年!"));
  EXPECT_GE(width, wanted);
}

TEST_F(WindowLook, AboutBoxNamesTheProgramItsVersionAndLicences) {
  AboutBox about(nullptr);
  about.show();
  EXPECT_EQ(about.windowTitle(), "关于系统");
  EXPECT_TRUE(about.findChild<QLabel*>("lblTitle")->text().contains("Lumo生辰八字取名软件"));
  EXPECT_TRUE(about.findChild<QLabel*>("lblTitle")->text().contains("1.0"));
  QString licences = about.findChild<QLabel*>("lblLicences")->text();
  for (const char* part :
       {"Qt", "LGPL-3.0", "SQLite", "Unicode", "libnova", "Noto", "OFL", "chinese-poetry", "MIT"})
    EXPECT_TRUE(licences.contains(QString::fromUtf8(part))) << part;
  auto* ok = about.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(clippedLabels(&about).isEmpty()) << clippedLabels(&about).join('\n').toStdString();
  ok->click();
  EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace lumo
