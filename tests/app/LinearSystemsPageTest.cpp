// Page 2 driven as a user would: both layouts, solving, clearing, the key resets, the report
// and the editor it opens in.
#ifdef __linux__
#include <sys/mount.h>
#endif

#include <gmock/gmock.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/pages/LinearSystemsPage.h"
#include "app/pages/Page.h"
#include "common/Cp1251.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

class LinearSystemsPageTest : public ActiveWindowTest {
 protected:
  void SetUp() override {
    ActiveWindowTest::SetUp();
    ShowPage(PageId::LinearSystems);
    page = Find<LinearSystemsPage>("TntTabSheet3");
    page->SetProgramFolder(folder.path());
  }
  QStringList Results() { return {Caption("Label17"), Caption("Label18"), Caption("Label19")}; }
  // Column by column, as the fields are read.
  void Fill(const QStringList& texts) {
    const char* names[] = {"Edit2",  "Edit3",  "Edit4",  "Edit6",  "Edit7",  "Edit8",
                           "Edit10", "Edit11", "Edit12", "Edit14", "Edit15", "Edit16"};
    for (qsizetype i = 0; i < texts.size(); ++i)
      Field(names[i])->setText(texts[i]);
  }
  QByteArray Report() {
    QFile file(page->ReportPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
  }

  LinearSystemsPage* page = nullptr;
  QTemporaryDir folder;
};

TEST_F(LinearSystemsPageTest, LayoutsFollowTheClickedBox) {
  EXPECT_EQ(Results(), (QStringList{u"x1="_s, u"x2="_s, u"x3="_s}));
  Click("TntCheckBox1");
  for (const char* hidden : {"Edit4", "Edit8", "Edit12", "Edit14", "Edit15", "Edit16", "Label3",
                             "Label7", "Label9", "Label10", "Label11", "Label19"}) {
    EXPECT_TRUE(Find<QWidget>(hidden)->isHidden()) << hidden;
  }
  EXPECT_EQ(Caption("Label1") + Caption("Label5"), u"x+y=");
  EXPECT_EQ(Find<QWidget>("HellET")->geometry(), QRect(273, 126, 63, 45));
  Click("TntCheckBox2");
  EXPECT_FALSE(Find<QCheckBox>("TntCheckBox1")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>("TntCheckBox2")->isChecked());
  EXPECT_FALSE(Find<QWidget>("Edit16")->isHidden());
  EXPECT_EQ(Caption("Label3") + Caption("Label7") + Caption("Label11"), u"x+y+z=");
  EXPECT_EQ(Results(), (QStringList{u"x="_s, u"y="_s, u"z="_s}));
  EXPECT_EQ(Find<QWidget>("HellET")->geometry(), QRect(328, 135, 63, 50));
}

TEST_F(LinearSystemsPageTest, SolvesAndReportsWhatIsMissing) {
  Fill({u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"-1"_s, u"1"_s, u"1"_s, u"1"_s, u"-1"_s, u"6"_s, u"2"_s,
        u"0"_s});
  Click("HellET");
  EXPECT_EQ(dialogs.messages, QStringList{u"Выберите число неизвестных"_s});
  Click("TntCheckBox2");
  Click("HellET");
  EXPECT_EQ(Results(), (QStringList{u"x=1,00"_s, u"y=2,00"_s, u"z=3,00"_s}));
  // Every field's key resets the results, the right-hand sides' too.
  Type(Field("Edit15"), u"a"_s);
  EXPECT_EQ(Results(), (QStringList{u"x=..."_s, u"y=..."_s, u"z=..."_s}));
  Fill({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"1"_s, u"2"_s,
        u"3"_s});
  Click("HellET");
  EXPECT_EQ(Results(), (QStringList{u"x=..."_s, u"y=..."_s, u"z=..."_s}));
  Click("TntCheckBox1");
  Fill({u"1"_s, u"1"_s, u""_s, u"1"_s, u"-1"_s, u""_s, u"3"_s, u"1"_s});
  Click("HellET");  // Edit4 is empty but hidden: only the two-unknown fields count
  ASSERT_EQ(Caption("Label17") + Caption("Label18"), u"x=2,00y=1,00");
  Field("Edit11")->clear();
  Click("HellET");
  Field("Edit11")->setText(u"1.5"_s);
  Click("HellET");
  EXPECT_EQ(dialogs.messages,
            (QStringList{u"Выберите число неизвестных"_s,
                         u"Система имеет бесконечно много решений"_s, u"Введите коэффициенты"_s}));
  EXPECT_EQ(dialogs.errors, QStringList{u"«1.5» — не число: дробную часть отделяют запятой."_s});
  EXPECT_EQ(Caption("Label17") + Caption("Label18"), u"x=2,00y=1,00");
}

TEST_F(LinearSystemsPageTest, TheTypedDecimalsAreTheNumbersSolved) {
  Click("TntCheckBox1");
  // x + y = 3; x − y = −1 scaled by 1E-200, and its Δ of 2E-400 is no 0.
  Fill({u"1E-200"_s, u"1E-200"_s, u""_s, u"1E-200"_s, u"-1E-200"_s, u""_s, u"3E-200"_s,
        u"-1E-200"_s});
  Click("HellET");
  EXPECT_EQ(Caption("Label17") + Caption("Label18"), u"x=1,00y=2,00");
  // x + 0,1y = 1; 3x + 0,3y = 2: Δ is exactly 0, and the equations contradict each other.
  Fill({u"1"_s, u"3"_s, u""_s, u"0,1"_s, u"0,3"_s, u""_s, u"1"_s, u"2"_s});
  Click("HellET");
  EXPECT_EQ(Caption("Label17") + Caption("Label18"), u"x=...y=...");
  // x + y = 2; 2x + 2y = 4: the second equation is the first doubled.
  Fill({u"1"_s, u"2"_s, u""_s, u"1"_s, u"2"_s, u""_s, u"2"_s, u"4"_s});
  Click("HellET");
  EXPECT_EQ(Caption("Label17") + Caption("Label18"), u"x=...y=...");
  EXPECT_EQ(dialogs.messages, (QStringList{u"Система не имеет решений"_s,
                                           u"Система имеет бесконечно много решений"_s}));
  // The same outcomes for three unknowns, here of rank 1.
  Click("TntCheckBox2");
  Fill({u"1"_s, u"2"_s, u"3"_s, u"1"_s, u"2"_s, u"3"_s, u"1"_s, u"2"_s, u"3"_s, u"1"_s, u"2"_s,
        u"4"_s});
  Click("HellET");
  Field("Edit16")->setText(u"3"_s);
  Click("HellET");
  EXPECT_EQ(Results(), (QStringList{u"x=..."_s, u"y=..."_s, u"z=..."_s}));
  EXPECT_EQ(dialogs.messages.mid(2), (QStringList{u"Система не имеет решений"_s,
                                                  u"Система имеет бесконечно много решений"_s}));
  // The report holds the captions as they stand.
  Click("Saxla");
  EXPECT_TRUE(
      Report().endsWith("1x+1y+1z=1\r\n2x+2y+2z=2\r\n3x+3y+3z=3\r\n\r\n"
                        "x=...\r\ny=...\r\nz=...\r\n"));
}

TEST_F(LinearSystemsPageTest, ClearingAndTheKeysThatResetTheResults) {
  Click("TntCheckBox2");
  Fill({u"1"_s, u"1"_s, u"1"_s, u"1"_s, u"-1"_s, u"1"_s, u"1"_s, u"1"_s, u"-1"_s, u"6"_s, u"2"_s,
        u"0"_s});
  Click("TntCheckBox1");
  Click("Temizle");
  for (const char* name :
       {"Edit2", "Edit3", "Edit6", "Edit7", "Edit10", "Edit11", "Edit14", "Edit15"}) {
    EXPECT_TRUE(Field(name)->text().isEmpty()) << name;
  }
  EXPECT_EQ(Field("Edit4")->text() + Field("Edit16")->text(), u"10");  // hidden: kept
  Fill({u"1"_s, u"1"_s, u""_s, u"1"_s, u"-1"_s, u""_s, u"3"_s, u"1"_s});
  Click("HellET");
  ASSERT_EQ(Caption("Label17"), u"x=2,00");
  Type(Field("Edit2"), u"ж"_s);  // dropped, and still a reset; the hidden z stays
  EXPECT_EQ(Results(), (QStringList{u"x=..."_s, u"y=..."_s, u"z="_s}));
  // Enter walks column by column, past the hidden row.
  Field("Edit3")->setFocus();
  QTest::keyClick(Field("Edit3"), Qt::Key_Return);
  EXPECT_TRUE(Field("Edit6")->hasFocus());
}

TEST_F(LinearSystemsPageTest, TheReportIsTheSystemAsShownInWindows1251) {
  Click("Saxla");  // no system chosen: nothing to report
  EXPECT_EQ(dialogs.messages, QStringList{u"Выберите число неизвестных"_s});
  EXPECT_EQ(Report(), "<none>");
  Click("TntCheckBox1");
  Fill({u"1"_s, u"1"_s, u""_s, u"1"_s, u"-1"_s, u""_s, u"3"_s, u"1"_s});
  Click("HellET");
  Click("Saxla");
  EXPECT_TRUE(Report().endsWith("1x+1y=3\r\n1x-1y=1\r\n\r\nx=2,00\r\ny=1,00\r\n"));
  EXPECT_EQ(Find<QStatusBar>("StatusBar1")->currentMessage(),
            u"Отчёт сохранён: "_s + QDir::toNativeSeparators(page->ReportPath()));
  // Unticking the box leaves no system: the good report stays.
  const QByteArray good = Report();
  Click("TntCheckBox1");
  Click("Saxla");
  EXPECT_EQ(Report(), good);
  EXPECT_EQ(dialogs.messages.size(), 2);
  EXPECT_TRUE(
      Report().startsWith("<<\xCA\xE0\xEB\xEA\xEE\xF0\xE0"
                          "1.0>>\r\n"));
  EXPECT_TRUE(page->ReportPath().startsWith(folder.path()));
  EXPECT_TRUE(page->ReportPath().endsWith(u"/Решение СЛУ.txt"));
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(LinearSystemsPageTest, AFailedSaveSaysWhyAndKeepsThePage) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(u"Решение СЛУ.txt"_s));  // a folder where the file goes
  Click("TntCheckBox1");
  Click("Saxla");
  EXPECT_EQ(dialogs.errors.size(), 1);
  EXPECT_TRUE(Find<QCheckBox>("TntCheckBox1")->isChecked());
}

#ifdef __linux__  // a read-only folder is a read-only tmpfs
TEST_F(LinearSystemsPageTest, AReadOnlyProgramFolderSendsTheReportToTheDataFolder) {
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir installed;
  if (::mount("tmpfs", QFile::encodeName(installed.path()).constData(), "tmpfs", MS_RDONLY,
              "size=16k") != 0) {
    QStandardPaths::setTestModeEnabled(false);
    GTEST_SKIP() << "cannot mount a read-only folder here";
  }
  page->SetProgramFolder(installed.path());
  const QString data =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/kalkora"_s;
  EXPECT_EQ(page->ReportPath(), data + u"/Решение СЛУ.txt"_s);
  Click("TntCheckBox1");
  Click("Saxla");
  EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u' ').toStdString();
  EXPECT_EQ(Report().count("\r\n"), 9);
  Click("Ac");
  EXPECT_EQ(launcher.files, QStringList{page->ReportPath()});
  QDir(data).removeRecursively();
  ::umount2(QFile::encodeName(installed.path()).constData(), MNT_DETACH);
  QStandardPaths::setTestModeEnabled(false);
}
#endif

TEST_F(LinearSystemsPageTest, TheEditorTakesTheEncodingOnItsCommandLine) {
  launcher.installed = {u"mousepad"_s, u"kwrite"_s};
  Click("Ac");
  ASSERT_EQ(launcher.commands.size(), 1u);
  EXPECT_EQ(launcher.commands[0], (QStringList{u"/usr/bin/mousepad"_s, u"--encoding=WINDOWS-1251"_s,
                                               page->ReportPath()}));
  launcher.installed = {u"kate"_s};
  Click("Ac");
  EXPECT_EQ(launcher.commands[1], (QStringList{u"/usr/bin/kate"_s, u"--encoding"_s,
                                               u"windows-1251"_s, page->ReportPath()}));
  launcher.installed.clear();
  Click("Ac");  // no editor, and the desktop's opener fails too: the report's path is told
  EXPECT_EQ(launcher.commands.size(), 2u);
  EXPECT_EQ(launcher.files, QStringList{page->ReportPath()});
  ASSERT_EQ(dialogs.messages.size(), 1);
  EXPECT_THAT(dialogs.messages[0].toStdString(),
              HasSubstr(QDir::toNativeSeparators(page->ReportPath()).toStdString()));
}

TEST_F(LinearSystemsPageTest, APastedFieldIsTypedSoTheReportNeverMixesTwoSystems) {
  Click("TntCheckBox1");
  Fill({u"1"_s, u"2"_s, u""_s, u"3"_s, u"4"_s, u""_s, u"5"_s, u"6"_s});
  Click("HellET");
  ASSERT_EQ(Results().mid(0, 2), (QStringList{u"x=-1,00"_s, u"y=2,00"_s}));
  Field("Edit2")->selectAll();
  ASSERT_TRUE(PasteIntoField(Field("Edit2"), u"100"_s));
  EXPECT_EQ(Results().mid(0, 2), (QStringList{u"x=..."_s, u"y=..."_s}));
  Field("Edit3")->selectAll();
  PasteIntoField(Field("Edit3"), u"2\r\n\r\nx=42"_s);  // no line of its own in the report
  EXPECT_EQ(Field("Edit3")->text(), u"242");
  Click("Saxla");
  EXPECT_TRUE(Report().endsWith("100x+3y=5\r\n242x+4y=6\r\n\r\nx=...\r\ny=...\r\n"));
}

TEST_F(LinearSystemsPageTest, AReportFolderThatCannotBeMadeIsAnError) {
  QStandardPaths::setTestModeEnabled(true);
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  ASSERT_TRUE(QDir().mkpath(data));
  QFile blocker(data + u"/kalkora"_s);  // a file where the folder would go
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  page->SetProgramFolder(folder.path() + u"/missing"_s);
  Click("TntCheckBox1");
  Click("Saxla");
  blocker.remove();
  QStandardPaths::setTestModeEnabled(false);
  ASSERT_EQ(dialogs.errors.size(), 1);
  EXPECT_THAT(dialogs.errors[0].toStdString(), HasSubstr("Не удалось создать папку для отчёта"));
}

TEST_F(LinearSystemsPageTest, TheWorkingFollowsSolvesAndSaysWhatDeltaZeroMeans) {
  const Working& working = page->CurrentWorking();
  Click("TntCheckBox1");
  Fill({u"1"_s, u"1"_s, u""_s, u"1"_s, u"-1"_s, u""_s, u"3"_s, u"1"_s});
  Click("HellET");
  EXPECT_THAT(PlainText(working), HasSubstr("\n  y = Δy/Δ = (−2)/(−2) = 1\n"));
  EXPECT_THAT(PlainText(working), EndsWith("\n  2 − 1 = 1 ✓\nОтвет: (2; 1)\n"));
  Field("Edit7")->setText(u"1"_s);  // x + y = 3, x + y = 1: Δ = 0
  Click("HellET");
  EXPECT_EQ(working.state, Working::State::Solved);
  EXPECT_THAT(PlainText(working), HasSubstr("\n  1 ≠ 1·3\n"));
  EXPECT_THAT(PlainText(working), EndsWith("\nОтвет: система не имеет решений\n"));
  Field("Edit11")->clear();
  Click("HellET");
  EXPECT_EQ(working.failure, "Введите коэффициенты");
}

}  // namespace
}  // namespace kalkora::testing
