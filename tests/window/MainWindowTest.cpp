// The main window driven by control names: the worked examples of the three
// pages, the failure marks, the fill button, the trace, the frame and hints.

#include "ui/Hints.h"
#include "ui/ProgramNumberFormat.h"
#include "ui/TsSpinEdit.h"
#include "ui/Unit1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Expect {
    const char* label;
    const char* text;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedSeparator_ = ProgramNumberFormat().decimalSeparator;
        ProgramNumberFormat().decimalSeparator = ",";
        ASSERT_TRUE(dir_.isValid());
        // The worked examples use the design material; a first start without
        // a settings file would pick item 2 of the lists instead.
        QFile settings(dir_.filePath(QStringLiteral("бримсота.ini")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[INTERFACE_380]\nResistivity=Алюминий, провод (0,0287)\n"
                       "[INTERFACE_220]\nResistivity_220=Алюминий, провод (0,0287)\n");
        settings.close();
        form_ = std::make_unique<TForm1>(dir_.path());
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
    void TearDown() override {
        form_->close();
        form_.reset();
        ProgramNumberFormat().decimalSeparator = savedSeparator_;
    }

    template <class T> T* get(const char* name) {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    std::string text(const char* label) { return get<QLabel>(label)->text().toStdString(); }

    void expectLabels(const std::vector<Expect>& expected) {
        for (const Expect& e : expected)
            EXPECT_EQ(text(e.label), e.text) << e.label;
    }

    // Replaces the field's text by typing, as a user would.
    void type(const char* field, const QString& keys) {
        QWidget* widget = get<QWidget>(field);
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            widget = combo->lineEdit();
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_Backspace);
        QTest::keyClicks(widget, keys);
    }

    QStringList trace() {
        QStringList lines;
        const QTextDocument* doc = get<QPlainTextEdit>("sMemo1")->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            lines << b.text();
        return lines;
    }

    QTemporaryDir dir_;
    std::unique_ptr<TForm1> form_;
    std::string savedSeparator_;
};

const std::vector<Expect> kTrunkDefaults = {
    {"sLabel46", "(α = 0,0045)"},  {"sLabel43", "0,03"},    {"sLabel47", "0,00086"},
    {"sLabel25", "0,117"},         {"sLabel11", "2,33"},    {"sLabel19", "(cos φ ≈ 0,96)"},
    {"sLabel95", "(tg φ ≈ 0,29)"}, {"sLabel16", "547,056"}, {"sLabel7", "1,07"},
    {"sLabel39", "1,01"}};
const std::vector<Expect> kBranchDefaults = {{"sLabel34", "(α = 0,0045)"}, {"sLabel31", "0,03"},
                                             {"sLabel38", "0,00187"},      {"sLabel54", "0,131"},
                                             {"sLabel75", "33,59"},        {"sLabel77", "58,85"},
                                             {"sLabel94", "5803"},         {"sLabel69", "1177,01"},
                                             {"sLabel71", "2,31"},         {"sLabel55", "2,18"}};

TEST_F(MainWindowTest, ShowingRunsAllThreeCalculatorsOnTheDefaults) {
    expectLabels(kTrunkDefaults);
    expectLabels(kBranchDefaults);
    expectLabels({{"sLabel93", "13,2"}});

    const QStringList lines = trace();
    ASSERT_EQ(lines.size(), 39);
    EXPECT_EQ(lines[0], "НАЧАЛО РАСЧЁТА");
    EXPECT_EQ(lines[4], "Удельное сопротивление провода Алюминий, провод (0,0287)");
    EXPECT_EQ(lines[36], "Очень низкий процент потерь!");
    EXPECT_EQ(lines[38], "КОНЕЦ РАСЧЁТА");
}

TEST_F(MainWindowTest, ClearedCrossSectionMarksOnlyTheLabelsThatNeedIt) {
    type("sDecimalSpinEdit10", "");
    expectLabels({{"sLabel47", "-"},
                  {"sLabel25", "-"},
                  {"sLabel16", "-"},
                  {"sLabel7", "-"},
                  {"sLabel39", "-"}});
    expectLabels({{"sLabel46", "(α = 0,0045)"},
                  {"sLabel43", "0,03"},
                  {"sLabel11", "2,33"},
                  {"sLabel19", "(cos φ ≈ 0,96)"},
                  {"sLabel95", "(tg φ ≈ 0,29)"}});
    const QStringList lines = trace();
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[7], "РАСЧЁТ ПРЕРВАН по причине выбоа нулевого сечения проводника");

    type("sDecimalSpinEdit11", "");
    expectLabels({{"sLabel55", "-"},
                  {"sLabel38", "-"},
                  {"sLabel77", "-"},
                  {"sLabel54", "-"},
                  {"sLabel75", "-"},
                  {"sLabel69", "-"},
                  {"sLabel71", "-"}});
    expectLabels({{"sLabel34", "(α = 0,0045)"}, {"sLabel31", "0,03"}, {"sLabel94", "5803"}});

    // Typing the value back restores the examples.
    type("sDecimalSpinEdit10", "35");
    type("sDecimalSpinEdit11", "16");
    expectLabels(kTrunkDefaults);
    expectLabels(kBranchDefaults);
}

TEST_F(MainWindowTest, FillButtonPutsOneBranchIntoTheRightBlock) {
    QTest::mouseClick(get<QPushButton>("sButton1"), Qt::LeftButton);
    EXPECT_EQ(get<TsSpinEdit>("sSpinEdit12")->Text(), "1");
    EXPECT_EQ(get<TsSpinEdit>("sSpinEdit10")->Text(), "5803");
    expectLabels({{"sLabel69", "58,85"}, {"sLabel71", "1,01"}, {"sLabel55", "0,11"}});

    // A second press writes the same texts again, so nothing recalculates.
    get<QLabel>("sLabel55")->setText("untouched");
    QTest::mouseClick(get<QPushButton>("sButton1"), Qt::LeftButton);
    EXPECT_EQ(text("sLabel55"), "untouched");
}

// Typed text goes through the real fields and their reading rules.
TEST_F(MainWindowTest, TypedInputsReachTheirCalculator) {
    struct Case {
        const char* field;
        const char* keys;
        Expect result;
    };
    const Case cases[] = {
        {"sDecimalSpinEdit1", "5", {"sLabel25", "0,097"}},   // K reads its upper limit 3
        {"sDecimalSpinEdit6", "0", {"sLabel11", "34"}},      // Kз reads its lower limit 0.01
        {"sComboBox3", "0,03", {"sLabel46", "(α = 0,002)"}}, // a typed resistivity
        {"sSpinEdit5", "201", {"sLabel39", "-"}},            // out of range reaches the check
        {"sComboBox1", "xyz", {"sLabel55", "-"}},            // no number in the material
        {"sSpinEdit13", "25", {"sLabel55", "-"}},
        {"sDecimalSpinEdit5", "2,4", {"sLabel93", "-"}},
        {"sDecimalSpinEdit8", "0", {"sLabel93", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        form_ = std::make_unique<TForm1>(dir_.path());
        form_->show();
        type(c.field, QString::fromUtf8(c.keys));
        EXPECT_EQ(text(c.result.label), c.result.text);
    }

    // The length field's text goes into the trace as typed, its value into the sums.
    type("sSpinEdit6", "0340");
    EXPECT_EQ(trace().value(10), "2. Эквивалентное сопротивление линии 0340 м");
    EXPECT_TRUE(trace().value(12).contains(" * 340 / ")) << trace().value(12).toStdString();
}

TEST_F(MainWindowTest, RadioButtonsRecalculateWhenCheckedFromCode) {
    auto* cosMode = get<QRadioButton>("sRadioButton6");
    cosMode->setChecked(true);
    expectLabels(kTrunkDefaults); // cos φ 0.96 is tg φ 0.29

    type("sDecimalSpinEdit9", "0,5");
    EXPECT_EQ(text("sLabel95"), "(tg φ ≈ 1,73)");
    EXPECT_NE(text("sLabel39"), "1,01");
    get<QRadioButton>("sRadioButton5")->setChecked(true);
    EXPECT_EQ(text("sLabel39"), "1,01");

    // Equivalent length: aluminium on the left, then copper on the right.
    get<QRadioButton>("sRadioButton1")->setChecked(true);
    EXPECT_EQ(text("sLabel93"), "21,3");
    get<QRadioButton>("sRadioButton4")->setChecked(true);
    EXPECT_EQ(text("sLabel93"), "34,4");
    EXPECT_TRUE(get<QRadioButton>("sRadioButton1")->isChecked()); // the boxes are independent
}

TEST_F(MainWindowTest, EyeButtonShowsAndHidesTheTrace) {
    auto* eye = get<QToolButton>("sSpeedButton1");
    auto* memo = get<QPlainTextEdit>("sMemo1");
    EXPECT_FALSE(memo->isVisible());
    EXPECT_EQ(memo->document()->blockCount(), 39); // written while hidden

    QTest::mouseClick(eye, Qt::LeftButton);
    EXPECT_TRUE(eye->isChecked());
    EXPECT_TRUE(memo->isVisible());
    EXPECT_GT(memo->height(), 50);

    // With the trace shown, the pointer entering it takes the focus there.
    QApplication::setActiveWindow(form_.get());
    get<QWidget>("sSpinEdit5")->setFocus();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(memo, &enter);
    EXPECT_TRUE(memo->hasFocus());

    QTest::mouseClick(eye, Qt::LeftButton);
    EXPECT_FALSE(eye->isChecked());
    EXPECT_FALSE(memo->isVisible());
}

TEST_F(MainWindowTest, WindowFrameAndPages) {
    // Styled by default: the added title follows the caption.
    EXPECT_EQ(form_->windowTitle(), "Бримсота v.1.5 - расчёт технических потерь в сетях 0,4 кВ");
    // The design size, unless a wider fallback font needs more room.
    const QSize design = QSize(834, 562).expandedTo(form_->layout()->totalMinimumSize());
    EXPECT_EQ(form_->size(), design);
    EXPECT_EQ(form_->minimumSize(), design);
    EXPECT_FALSE(form_->windowIcon().isNull());
    EXPECT_EQ(form_->font().family(), "Tahoma");
    EXPECT_EQ(form_->font().pointSize(), 8);
    EXPECT_EQ(Form1, form_.get());

    auto* pages = get<QTabWidget>("sPageControl1");
    const Expect expected[] = {{"sTabSheet1", "Расчёт трёхфазной магистральной линии"},
                               {"sTabSheet3", "Расчёт однофазных отводов"},
                               {"sTabSheet4", "Расчёт эквивалентной длины"},
                               {"sTabSheet5", "Интерфейс"},
                               {"sTabSheet2", "Справка"}};
    ASSERT_EQ(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), expected[i].label);
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(expected[i].text));
    }
    EXPECT_EQ(pages->currentIndex(), 0);

    EXPECT_EQ(form_->ApplicationDirectory(), dir_.path() + "/");
    EXPECT_EQ(form_->SkinDirectory(), dir_.path() + "/Styles");
}

TEST_F(MainWindowTest, NothingIsCutOffOnAnyCalculatorPage) {
    auto* pages = get<QTabWidget>("sPageControl1");
    get<QToolButton>("sSpeedButton1")->click();
    for (int page = 0; page < 3; ++page) {
        pages->setCurrentIndex(page);
        QCoreApplication::processEvents();
        for (QWidget* w : pages->widget(page)->findChildren<QWidget*>()) {
            // Fields and the eye button have their design sizes.
            if (!w->isVisible() || w->maximumWidth() < QWIDGETSIZE_MAX ||
                w->parentWidget()->inherits("QAbstractSpinBox") ||
                w->parentWidget()->inherits("QComboBox") ||
                w->parentWidget()->inherits("QAbstractScrollArea"))
                continue;
            const QSize need = w->minimumSizeHint();
            SCOPED_TRACE(w->objectName().toStdString());
            EXPECT_GE(w->width(), need.width());
            EXPECT_GE(w->height(), need.height());
        }
    }
}

TEST_F(MainWindowTest, MaterialListsOpenWiderThanTheirBoxes) {
    QCoreApplication::processEvents(); // let the window paint
    const int sample = QFontMetrics(form_->font())
                           .horizontalAdvance("Алюминий, плохой провод (0,0000) ----------)");
    const struct {
        const char* name;
        int page;
    } boxes[] = {{"sComboBox3", 0}, {"sComboBox1", 1}};
    for (const auto& [name, page] : boxes) {
        auto* combo = get<QComboBox>(name);
        EXPECT_EQ(combo->width(), 150) << name;
        EXPECT_EQ(combo->count(), 13) << name;
        EXPECT_EQ(combo->maxVisibleItems(), 25) << name;
        EXPECT_EQ(combo->currentText(), "Алюминий, провод (0,0287)") << name;
        get<QTabWidget>("sPageControl1")->setCurrentIndex(page);
        combo->showPopup();
        EXPECT_GE(combo->view()->window()->width(), sample) << name;
        combo->hidePopup();
    }
}

TEST_F(MainWindowTest, HintsKeepTheirTextAndShowWithoutLineEnds) {
    EXPECT_EQ(get<QWidget>("sDecimalSpinEdit10")->toolTip(),
              "Сечение провода<br>\r\n<i>(0-1600 мм²)</i>");
    EXPECT_EQ(get<QWidget>("sSpeedButton1")->toolTip(), "Показать расчёт");
    EXPECT_EQ(HintHtml("a<br>\r\n<i>b</i>"), "<qt>a<br><i>b</i></qt>");

    // A long hint wraps near 400 pixels; a short one keeps its own width.
    auto tipWidth = [this](const char* name) {
        QWidget* field = get<QWidget>(name);
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &help);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible())
                return w->width();
        return -1;
    };
    const int longTip = tipWidth("sDecimalSpinEdit6");
    EXPECT_GE(longTip, 380);
    EXPECT_LE(longTip, 440);
    const int shortTip = tipWidth("sSpinEdit15");
    EXPECT_GT(shortTip, 0);
    EXPECT_LT(shortTip, 300);
    QToolTip::hideText();
}

} // namespace
