#pragma once

// The main window: the whole user interface of the program.
//
// TForm1 owns every control (described in Unit1.ui), every event handler and
// the three calculation operations. The pieces it stands on:
//   calc/            the plain calculators RunTrunkLine, RunBranch and
//                    RunEquivalentLength; each takes the values read from a
//                    page and returns the label texts (and the trunk-line
//                    trace) in the order they are written;
//   TsSpinEdit,      the integer and decimal spin fields (ui/TsSpinEdit.h),
//   TsDecimalSpinEdit with the reading rules the calculators rely on; each
//                    emits changed() once per text change;
//   ProgramNumberFormat  the user's decimal separator, read once;
//   Hints            rich-text tool tips for every control with a hint;
//   THelpBrowser     the help page viewer (help/);
//   settings/        OpenConfig and SaveConfig over the INI file;
//   language/        the localizer that translates the window by control name.
//
// A change of any input runs its page's calculator at once; there is no
// other model. Controls keep the object names of the window description, so
// settings, language files and tests find them by the same names.

#include "calc/LabelWrite.h"
#include "ui/SkinManager.h"
#include "ui/TsSkinProvider.h"

#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class QLabel;

namespace Ui {
class TForm1;
}

class TForm1 : public QWidget {
    Q_OBJECT
    // The caption without the added title; the language files translate it.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)

public:
    // applicationDirectory empty: the directory of the running executable.
    explicit TForm1(const QString& applicationDirectory = QString(), QWidget* parent = nullptr);
    ~TForm1() override;

    // The executable's directory with a trailing "/"; fixed after FormCreate.
    const QString& ApplicationDirectory() const { return applicationDirectory_; }
    // Where the style manager looks for style files.
    const QString& SkinDirectory() const { return skinDirectory_; }

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    // The controls, by the names of the window description.
    std::unique_ptr<Ui::TForm1> ui;

    // Styling of every window, and the title addition while styled. Made
    // once the controls exist, so the style sheet polishes them with the
    // window's fonts; owned by the window.
    SkinManager* sSkinManager1 = nullptr;
    TsSkinProvider* sSkinProvider1 = nullptr;

    // The settings file: read while the window is created, written at close.
    void OpenConfig();
    void SaveConfig();

public slots:
    void Calculation380();
    void Calculation220();
    void Calculationlength();

    // Trunk-line page.
    void sComboBox3Change();
    void sSpinEdit5Change();
    void sDecimalSpinEdit10Change();
    void sDecimalSpinEdit2Change();
    void sRadioButton5Click();
    void sSpeedButton1Click();
    void sMemo1MouseEnter();

    // Branch page.
    void sComboBox1Change();
    void sSpinEdit2Change();
    void sDecimalSpinEdit11Change();
    void sSpinEdit8Change();
    void sDecimalSpinEdit3Change();
    void sSpinEdit11Change();
    void sSpinEdit13Change();
    void sSpinEdit14Change();
    void sSpinEdit12Change();
    void sSpinEdit10Change();
    void sSpinEdit9Change();
    void sButton1Click();

    // Equivalent-length page.
    void sDecimalSpinEdit5Change();
    void sRadioButton2Click();

    // Interface page.
    void sRadioButton7Click();
    void sRadioButton8Click();
    void sRadioButton9Click();
    void sCheckBox1Click();

    // Page control and help page.
    void sPageControl1Change();
    void sPageControl1TabMouseLeave(int tabIndex);
    void ToolButton8Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void WebBrowser1BeforeNavigate2(const QString& address, bool* cancel);
    void WebBrowser1CommandStateChange(int command, bool enable);
    void WebBrowser1NavigateComplete2(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const QString& applicationDirectory);
    void FormShow();
    void FormPaint();
    void FormClose();

    void ActivateHelpIfShown();
    void ActivateHelpBrowser();
    void LoadHelpStartPage();
    void SetDocumentBorder(bool visible);
    bool HelpPageActive() const;
    void updateTitle();
    void restoreDesignFonts();

    void connectHandlers();
    void writeLabels(const calc::LabelWrites& writes);

    QString applicationDirectory_;
    QString skinDirectory_;
    QString caption_;
    int hoveredTab_ = -1;
    // The fonts of the form, as built, for every control.
    std::vector<std::pair<QPointer<QWidget>, QFont>> designFonts_;
    // Output labels of the three pages, looked up once.
    std::unordered_map<std::string, QLabel*> labels_;
};

extern TForm1* Form1;
