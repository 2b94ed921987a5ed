// Pages 1, 7 and 8 driven as a user would: the quadratic equation, the triangle, the circle.
#include <gmock/gmock.h>

#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <tuple>
#include <vector>

#include "app/pages/Page.h"
#include "app/widgets/Picture.h"
#include "tests/app/AppTest.h"

namespace kalkora::testing {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

class FiguresPagesTest : public ActiveWindowTest {
 protected:
  void Enter(std::initializer_list<std::pair<const char*, QString>> texts) {
    for (const auto& [name, text] : texts)
      Field(name)->setText(text);
  }
  // The working of a page found by its name, as text.
  std::string WorkingText(const char* page) {
    return PlainText(Find<Page>(page)->CurrentWorking());
  }
  QStringList Texts(std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names)
      texts << Field(name)->text();
    return texts;
  }
};

TEST_F(FiguresPagesTest, QuadraticRootsNoRootAndTheKeysThatForgetThem) {
  ShowPage(PageId::Quadratic);
  EXPECT_TRUE(Find<Picture>("Image2")->IsValid());
  EXPECT_FALSE(Label("TntLabel10")->isVisible());
  EXPECT_TRUE(Label("x1")->isVisible());
  Enter({{"a", u"1"_s}, {"b", u"-3"_s}, {"c", u"2"_s}});
  Click("Tenliyinkoklerinitap");
  EXPECT_EQ(Label("x1")->text(), u"x1=2,00");
  EXPECT_EQ(Label("x2")->text(), u"x2=1,00");
  EXPECT_EQ(Field("Diskriminant")->text(), u"1,00");

  Enter({{"c", u"3"_s}});
  Click("Tenliyinkoklerinitap");
  EXPECT_TRUE(Label("TntLabel10")->isVisible());
  EXPECT_FALSE(Label("x1")->isVisible());
  EXPECT_FALSE(Label("x2")->isVisible());
  EXPECT_EQ(Field("Diskriminant")->text(), u"-3,00");

  // Any key, even one the filter drops, forgets the roots; the discriminant stays.
  Type(Field("b"), u"ж"_s);
  EXPECT_EQ(Field("b")->text(), u"-3");
  EXPECT_FALSE(Label("TntLabel10")->isVisible());
  EXPECT_EQ(Label("x1")->text(), u"x1=...");
  EXPECT_EQ(Label("x2")->text(), u"x2=...");
  EXPECT_TRUE(Label("x2")->isVisible());
  EXPECT_EQ(Field("Diskriminant")->text(), u"-3,00");
}

TEST_F(FiguresPagesTest, ARejectedOrFailedSolveChangesNothing) {
  ShowPage(PageId::Quadratic);
  Enter({{"a", u"1"_s}, {"b", u"2000"_s}, {"c", u"0"_s}});
  Click("Tenliyinkoklerinitap");
  const QStringList solved = {Label("x1")->text(), Label("x2")->text(),
                              Field("Diskriminant")->text()};
  EXPECT_EQ(solved, (QStringList{u"x1=0,00"_s, u"x2=-2000,00"_s, u"4E06"_s}));
  for (const QString& zero : {u"0"_s, u"0,0"_s, u"-0"_s, u"1E-5000"_s}) {
    Enter({{"a", zero}});
    Click("Tenliyinkoklerinitap");
  }
  Enter({{"a", u"1"_s}, {"c", u"1.5"_s}});
  Click("Tenliyinkoklerinitap");
  EXPECT_EQ(dialogs.messages, QStringList(4, u"Если a = 0, то это не квадратное уравнение"_s));
  EXPECT_EQ(dialogs.errors, QStringList{u"«1.5» — не число: дробную часть отделяют запятой."_s});
  EXPECT_EQ((QStringList{Label("x1")->text(), Label("x2")->text(), Field("Diskriminant")->text()}),
            solved);
  EXPECT_EQ(CurrentPage(), PageIndex(PageId::Quadratic));
}

TEST_F(FiguresPagesTest, TriangleSolvesAndKeepsItsResultsWhenRejected) {
  ShowPage(PageId::Triangle);
  EXPECT_TRUE(Find<Picture>("Image1")->IsValid());
  const auto results = [this] {
    return Texts({"Edit32", "Edit33", "Edit34", "Edit35", "Edit36", "Edit37", "Edit38", "Edit39",
                  "Edit40", "Edit41", "Edit42"})
        .join(u' ');
  };
  Enter({{"Edit22", u"3"_s}, {"Edit23", u"4"_s}, {"Edit24", u"5"_s}});
  Click("UcbucaginHelli");
  const QString solved = results();
  EXPECT_EQ(solved, u"6,00 12,00 3,00 2,40 4,00 3,61 2,50 4,27 3,35 2,42 4,22");
  Enter({{"Edit22", u"1"_s}, {"Edit23", u"1"_s}, {"Edit24", u"3"_s}});
  Click("UcbucaginHelli");
  // The rejected sides' working says which side is too long, and the answer.
  EXPECT_THAT(WorkingText("TntTabSheet11"),
              HasSubstr("  AC > AB + BC, 3 > 1 + 1\n"
                        "А в треугольнике каждая сторона меньше суммы двух других.\n"
                        "Ответ: треугольника с такими сторонами не существует\n"));
  Enter({{"Edit22", u"0"_s}, {"Edit23", u"1"_s}, {"Edit24", u"1"_s}});
  Click("UcbucaginHelli");
  EXPECT_EQ(dialogs.messages, QStringList{u"Треугольника с такими сторонами не существует!"_s});
  EXPECT_EQ(dialogs.errors, QStringList{u"Результат вычисления не определён."_s});
  EXPECT_EQ(results(), solved);
}

// Each field holds the segment its caption names: AH1 from A to BC, BH2 from B to AC, CH3 from
// C to AB; the sides 13, 14, 15 worked by hand, the 3, 4, 5 with its right angle at B.
TEST_F(FiguresPagesTest, TriangleFieldsHoldTheSegmentsTheirCaptionsName) {
  ShowPage(PageId::Triangle);
  const struct {
    const char* field;
    const char* caption;
    const char16_t* scalene;  // 13, 14, 15
    const char16_t* right;    // 3, 4, 5
  } cases[] = {
      {"Edit34", "Label41", u"12,00", u"3,00"}, {"Edit35", "Label42", u"11,20", u"2,40"},
      {"Edit36", "Label43", u"12,92", u"4,00"}, {"Edit37", "Label44", u"12,17", u"3,61"},
      {"Edit38", "Label45", u"11,24", u"2,50"}, {"Edit39", "Label46", u"12,97", u"4,27"},
      {"Edit40", "Label47", u"12,09", u"3,35"}, {"Edit41", "Label48", u"11,22", u"2,42"},
      {"Edit42", "Label49", u"12,95", u"4,22"},
  };
  for (const bool scalene : {true, false}) {
    Enter({{"Edit22", scalene ? u"13"_s : u"3"_s},
           {"Edit23", scalene ? u"14"_s : u"4"_s},
           {"Edit24", scalene ? u"15"_s : u"5"_s}});
    Click("UcbucaginHelli");
    const std::string working = WorkingText("TntTabSheet11");
    for (const auto& c : cases) {
      const QString shown = QString::fromUtf16(scalene ? c.scalene : c.right);
      EXPECT_EQ(Field(c.field)->text(), shown) << c.field;
      // The working names it by the caption, subscript and all: AH1= is AH₁.
      QString name = Label(c.caption)->text().chopped(1);
      name.back() = QChar(static_cast<char16_t>(u'₀' + name.back().digitValue()));
      EXPECT_THAT(working, HasSubstr(name.toStdString())) << c.field;
      EXPECT_THAT(working, ::testing::ContainsRegex(name.toStdString() + " (=|≈) " +
                                                    shown.toStdString() + "(;|\n)"))
          << c.field;
    }
  }
}

// The decimals typed are the numbers: each page shows its exact answer so rounded.
TEST_F(FiguresPagesTest, DecimalsAreTheNumbersTyped) {
  const std::vector<const char*> roots = {"x1", "x2", "Diskriminant"};
  const struct {
    PageId page;
    std::vector<std::pair<const char*, QString>> fields;
    std::vector<const char*> buttons, results;
    QString shown;
  } cases[] = {
      {PageId::Quadratic,
       {{"a", u"1"_s}, {"b", u"-0,6"_s}, {"c", u"0,09"_s}},
       {"Tenliyinkoklerinitap"},
       roots,
       u"x1=0,30 x2=0,30 0,00"_s},
      {PageId::Quadratic,
       {{"a", u"1E160"_s}, {"b", u"0"_s}, {"c", u"-1E160"_s}},
       {"Tenliyinkoklerinitap"},
       roots,
       u"x1=1,00 x2=-1,00 4E320"_s},
      {PageId::Triangle,
       {{"Edit22", u"343,9"_s}, {"Edit23", u"407,1"_s}, {"Edit24", u"63,2"_s}},
       {"UcbucaginHelli"},
       {"Edit32", "Edit33", "Edit37", "Edit38", "Edit39"},
       u"0,00 814,20 140,40 375,50 235,20"_s},
      {PageId::Circle,
       {{"Edit25", u"0,375"_s}, {"Edit26", u"5,5"_s}},
       {"CevreninUzunlugunuTap", "DaireninSahesiniTap"},
       {"Label22", "Label23"},
       u"C=2,36 S=94,99"_s},
  };
  for (const auto& c : cases) {
    ShowPage(c.page);
    for (const auto& [name, text] : c.fields)
      Field(name)->setText(text);
    for (const char* button : c.buttons)
      Click(button);
    QStringList shown;
    for (const char* name : c.results) {
      auto* label = form->findChild<QLabel*>(QString::fromLatin1(name));
      EXPECT_TRUE(label == nullptr || label->isVisible()) << name;
      shown << (label != nullptr ? label->text() : Field(name)->text());
    }
    EXPECT_EQ(shown.join(u' '), c.shown);
  }
  EXPECT_TRUE(dialogs.messages.isEmpty());
  EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(FiguresPagesTest, TriangleKeys) {
  ShowPage(PageId::Triangle);
  Field("Edit22")->setFocus();
  QTest::keyClick(Field("Edit22"), Qt::Key_Return);
  EXPECT_TRUE(Field("Edit23")->hasFocus());
  QTest::keyClick(Field("Edit23"), Qt::Key_Return);
  Type(Field("Edit24"), u"x7\r"_s);
  EXPECT_TRUE(Field("Edit24")->hasFocus());
  EXPECT_EQ(Field("Edit24")->text(), u"07");
  // A segment field takes no character, yet copies as any field does.
  Field("Edit34")->setFocus();
  QTest::keyClick(Field("Edit34"), Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->clear();
  Type(Field("Edit34"), u"5"_s);
  QTest::keyClick(Field("Edit34"), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), u"0");
}

TEST_F(FiguresPagesTest, CircleHalvesAreIndependent) {
  ShowPage(PageId::Circle);
  EXPECT_TRUE(Find<Picture>("Image4")->IsValid());
  Field("Edit25")->setFocus();
  Type(Field("Edit25"), u"-2,5\r"_s);  // no minus sign; Enter stays in the field
  EXPECT_EQ(Field("Edit25")->text(), u"02,5");
  EXPECT_TRUE(Field("Edit25")->hasFocus());
  Click("CevreninUzunlugunuTap");
  EXPECT_TRUE(Field("Edit25")->hasFocus());  // the speed button takes no focus
  EXPECT_EQ(Label("Label22")->text(), u"C=15,70");
  EXPECT_EQ(Label("Label23")->text(), u"S=0");
  Enter({{"Edit26", u"100"_s}});
  Click("DaireninSahesiniTap");
  EXPECT_EQ(Label("Label23")->text(), u"S=3,14E04");
  Enter({{"Edit26", u"2.5"_s}});
  Click("DaireninSahesiniTap");
  EXPECT_EQ(dialogs.errors, QStringList{u"«2.5» — не число: дробную часть отделяют запятой."_s});
  EXPECT_EQ(Label("Label23")->text(), u"S=3,14E04");
}

TEST_F(FiguresPagesTest, WorkingsEndInTheShownResultsAndAFailedSolveFailsThem) {
  ShowPage(PageId::Quadratic);
  Enter({{"a", u"1"_s}, {"b", u"-3"_s}, {"c", u"2"_s}});
  Click("Tenliyinkoklerinitap");
  // The page rounds to two decimals (x2=1,00); the working's answer is the root itself.
  EXPECT_EQ(Label("x2")->text(), u"x2=1,00");
  EXPECT_THAT(WorkingText("TntTabSheet2"), EndsWith("\n  x₂ = (3 − 1)/2 = 1\n"
                                                    "\nПроверка по теореме Виета\n"
                                                    "  x₁ + x₂ = 3 = −b/a\n  x₁·x₂ = 2 = c/a\n"
                                                    "Ответ: x₁ = 2; x₂ = 1\n"));
  ShowPage(PageId::Triangle);
  Enter({{"Edit22", u"5"_s}, {"Edit23", u"5"_s}, {"Edit24", u"6"_s}});
  Click("UcbucaginHelli");
  EXPECT_THAT(WorkingText("TntTabSheet11"),
              EndsWith("CT₃ ≈ " + Field("Edit42")->text().toStdString() + "\n"));
  ShowPage(PageId::Circle);
  Enter({{"Edit25", u"1"_s}, {"Edit26", u"2"_s}});
  Click("DaireninSahesiniTap");
  Click("CevreninUzunlugunuTap");  // the working is the last click's
  EXPECT_THAT(WorkingText("TntTabSheet6"),
              EndsWith("6,28·1 = 6,28\nОтвет: C ≈ " +
                       Label("Label22")->text().mid(2).toStdString() + "\n"));

  Enter({{"a", u"0"_s}, {"Edit24", u"11"_s}, {"Edit26", u"2.5"_s}});
  for (const auto& [index, page, button] :
       {std::tuple{PageId::Quadratic, "TntTabSheet2", "Tenliyinkoklerinitap"},
        {PageId::Triangle, "TntTabSheet11", "UcbucaginHelli"},
        {PageId::Circle, "TntTabSheet6", "DaireninSahesiniTap"}}) {
    ShowPage(index);
    Click(button);
    EXPECT_EQ(Find<Page>(page)->CurrentWorking().state, Working::State::Failed) << page;
  }
}

}  // namespace
}  // namespace kalkora::testing
