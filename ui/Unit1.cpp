#include "ui/Unit1.h"

#include "calc/Branch.h"
#include "calc/EquivalentLength.h"
#include "calc/TrunkLine.h"
#include "help/THelpBrowser.h"
#include "language/ApplyLanguage.h"
#include "language/Localizer.h"
#include "ui/Hints.h"
#include "ui/ProgramNumberFormat.h"
#include "ui_Unit1.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QShowEvent>
#include <QTabBar>

TForm1* Form1 = nullptr;

// The icons live in the static library; keep their resource linked in.
static void InitIconResources() {
    Q_INIT_RESOURCE(resources);
}

namespace {

// The sample that the material lists open wide enough for.
const QString kDropDownSample = QStringLiteral("Алюминий, плохой провод (0,0000) ----------)");

void PrepareApplication() {
    InitIconResources();
    // Where the form's font is missing, take a face of similar width so the
    // rows keep their room.
    static const bool fontsSubstituted = [] {
        QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("Nimbus Sans"), QStringLiteral("Arial")});
        return true;
    }();
    (void)fontsSubstituted;
    InstallHints();
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128, 256})
        icon.addFile(QStringLiteral(":/icons/app%1.png").arg(size), QSize(size, size));
    return icon;
}

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

TForm1::TForm1(const QString& applicationDirectory, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm1>()) {
    PrepareApplication();
    ui->setupUi(this);
    RestoreHintLineEnds(this);
    caption_ = windowTitle();
    // Qt's style sheets lose inherited fonts when they are switched (a page
    // polished while it had no parent, or unpolished, falls back to the
    // application font), so the form's own fonts are put back after every
    // change of the look.
    designFonts_.emplace_back(this, font());
    for (QWidget* w : findChildren<QWidget*>())
        designFonts_.emplace_back(w, w->font());
    sSkinManager1 = new SkinManager(this);
    connect(sSkinManager1, &SkinManager::lookChanged, this, &TForm1::restoreDesignFonts);
    restoreDesignFonts();
    sSkinProvider1 = new TsSkinProvider(this);
    sSkinProvider1->setSkinManager(sSkinManager1);
    ui->sSkinSelector1->setSkinManager(sSkinManager1);
    connect(sSkinProvider1, &TsSkinProvider::titleChanged, this, &TForm1::updateTitle);
    updateTitle();
    // The help strip keeps the colour of the help pages under any style.
    QPalette strip = ui->sPanel8->palette();
    strip.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xDD));
    ui->sPanel8->setPalette(strip);
    Localizer::Instance().TranslateNewWindow(this);
    // The window never gets smaller than its design size or than what its
    // texts need in the current font, style and language: the top layout
    // keeps the minimum up to date.
    ensurePolished();
    layout()->activate();
    resize(size().expandedTo(minimumSize()));
    Form1 = this;
    setWindowIcon(ApplicationIcon());

    for (QLabel* label : findChildren<QLabel*>())
        labels_.emplace(Std(label->objectName()), label);
    ui->sMemo1->installEventFilter(this);
    ui->sPageControl1->tabBar()->setMouseTracking(true);
    ui->sPageControl1->tabBar()->installEventFilter(this);
    connectHandlers();

    // Centred on the screen at every start; the size is not kept.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed = geometry();
        placed.moveCenter(screen->availableGeometry().center());
        move(placed.topLeft());
    }

    FormCreate(applicationDirectory);
}

TForm1::~TForm1() {
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::connectHandlers() {
    Ui::TForm1& f = *ui;
    auto onChange = [this](auto* field, void (TForm1::*handler)()) {
        connect(field, &std::remove_pointer_t<decltype(field)>::changed, this, handler);
    };
    // A radio handler runs for the button that becomes checked, whether the
    // user or the code checked it.
    auto onChecked = [this](QRadioButton* button, void (TForm1::*handler)()) {
        connect(button, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };

    // Trunk-line page.
    connect(f.sComboBox3, &QComboBox::editTextChanged, this, &TForm1::sComboBox3Change);
    onChange(f.sSpinEdit5, &TForm1::sSpinEdit5Change);
    onChange(f.sDecimalSpinEdit10, &TForm1::sDecimalSpinEdit10Change);
    onChange(f.sSpinEdit6, &TForm1::sSpinEdit5Change);
    onChange(f.sDecimalSpinEdit1, &TForm1::sDecimalSpinEdit2Change);
    onChange(f.sDecimalSpinEdit6, &TForm1::sDecimalSpinEdit2Change);
    onChange(f.sSpinEdit15, &TForm1::sSpinEdit5Change);
    onChange(f.sSpinEdit3, &TForm1::sSpinEdit5Change);
    onChecked(f.sRadioButton5, &TForm1::sRadioButton5Click);
    onChange(f.sDecimalSpinEdit2, &TForm1::sDecimalSpinEdit2Change);
    onChecked(f.sRadioButton6, &TForm1::sRadioButton5Click);
    onChange(f.sDecimalSpinEdit9, &TForm1::sDecimalSpinEdit2Change);
    onChange(f.sSpinEdit1, &TForm1::sSpinEdit5Change);
    connect(f.sSpeedButton1, &QToolButton::clicked, this, &TForm1::sSpeedButton1Click);

    // Branch page.
    connect(f.sComboBox1, &QComboBox::editTextChanged, this, &TForm1::sComboBox1Change);
    onChange(f.sSpinEdit2, &TForm1::sSpinEdit2Change);
    onChange(f.sDecimalSpinEdit11, &TForm1::sDecimalSpinEdit11Change);
    onChange(f.sSpinEdit8, &TForm1::sSpinEdit8Change);
    onChange(f.sDecimalSpinEdit4, &TForm1::sDecimalSpinEdit3Change);
    onChange(f.sDecimalSpinEdit3, &TForm1::sDecimalSpinEdit3Change);
    onChange(f.sSpinEdit11, &TForm1::sSpinEdit11Change);
    onChange(f.sSpinEdit13, &TForm1::sSpinEdit13Change);
    onChange(f.sSpinEdit14, &TForm1::sSpinEdit14Change);
    onChange(f.sSpinEdit12, &TForm1::sSpinEdit12Change);
    onChange(f.sSpinEdit10, &TForm1::sSpinEdit10Change);
    onChange(f.sSpinEdit9, &TForm1::sSpinEdit9Change);
    connect(f.sButton1, &QPushButton::clicked, this, &TForm1::sButton1Click);

    // Equivalent-length page.
    onChange(f.sDecimalSpinEdit5, &TForm1::sDecimalSpinEdit5Change);
    onChange(f.sDecimalSpinEdit8, &TForm1::sDecimalSpinEdit5Change);
    onChange(f.sDecimalSpinEdit7, &TForm1::sDecimalSpinEdit5Change);
    for (QRadioButton* button :
         {f.sRadioButton1, f.sRadioButton2, f.sRadioButton3, f.sRadioButton4})
        onChecked(button, &TForm1::sRadioButton2Click);

    // Interface page.
    onChecked(f.sRadioButton7, &TForm1::sRadioButton7Click);
    onChecked(f.sRadioButton8, &TForm1::sRadioButton8Click);
    onChecked(f.sRadioButton9, &TForm1::sRadioButton9Click);
    connect(f.sCheckBox1, &QCheckBox::toggled, this, &TForm1::sCheckBox1Click);

    // Page control and help page.
    connect(f.sPageControl1, &QTabWidget::currentChanged, this, &TForm1::sPageControl1Change);
    connect(f.ToolButton8, &QToolButton::clicked, this, &TForm1::ToolButton8Click);
    connect(f.ToolButton5, &QToolButton::clicked, this, &TForm1::ToolButton5Click);
    connect(f.ToolButton6, &QToolButton::clicked, this, &TForm1::ToolButton6Click);
    connect(f.WebBrowser1, &THelpBrowser::BeforeNavigate2, this,
            &TForm1::WebBrowser1BeforeNavigate2);
    connect(f.WebBrowser1, &THelpBrowser::CommandStateChange, this,
            &TForm1::WebBrowser1CommandStateChange);
    connect(f.WebBrowser1, &THelpBrowser::NavigateComplete2, this,
            &TForm1::WebBrowser1NavigateComplete2);
}

// ---------------------------------------------------------------- lifecycle

void TForm1::FormCreate(const QString& applicationDirectory) {
    QString dir = applicationDirectory.isEmpty() ? QCoreApplication::applicationDirPath()
                                                 : applicationDirectory;
    dir = QDir::fromNativeSeparators(dir);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    applicationDirectory_ = dir;
    skinDirectory_ = applicationDirectory_ + QStringLiteral("Styles");
    sSkinManager1->setSkinDirectory(skinDirectory_);

    // Each restored control runs its handler, so calculators run here too.
    OpenConfig();

    LoadHelpStartPage();
}

void TForm1::LoadHelpStartPage() {
    THelpBrowser* browser = ui->WebBrowser1;
    if (!browser)
        return;
    browser->Navigate(THelpBrowser::StartAddress());
    // The viewer loads synchronously; the wait is only a guard, and bounded.
    QElapsedTimer waited;
    waited.start();
    while (browser->ReadyState() < 2 && waited.elapsed() < 5000)
        QCoreApplication::processEvents();
}

void TForm1::FormShow() {
    Calculation380();
    Calculation220();
    Calculationlength();
}

void TForm1::FormPaint() {
    const int width = QFontMetrics(font()).horizontalAdvance(kDropDownSample);
    ui->sComboBox3->view()->setMinimumWidth(width);
    ui->sComboBox1->view()->setMinimumWidth(width);
}

void TForm1::FormClose() {
    SaveConfig();
    // The browser goes first, before the rest of the window.
    delete ui->WebBrowser1;
    ui->WebBrowser1 = nullptr;
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
        // Long material names show from their start, not their end.
        ui->sComboBox3->lineEdit()->setCursorPosition(0);
        ui->sComboBox1->lineEdit()->setCursorPosition(0);
    }
}

void TForm1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    FormPaint();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->sMemo1 && event->type() == QEvent::Enter)
        sMemo1MouseEnter();
    if (watched == ui->sPageControl1->tabBar()) {
        // The tab bar reports no per-tab leave; follow the tab under the pointer.
        int under = -1;
        if (event->type() == QEvent::MouseMove)
            under = ui->sPageControl1->tabBar()->tabAt(static_cast<QMouseEvent*>(event)->pos());
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Leave) {
            if (hoveredTab_ >= 0 && under != hoveredTab_)
                sPageControl1TabMouseLeave(hoveredTab_);
            hoveredTab_ = under;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- calculators

void TForm1::writeLabels(const calc::LabelWrites& writes) {
    for (const calc::LabelWrite& write : writes) {
        auto found = labels_.find(write.control);
        if (found != labels_.end())
            found->second->setText(QString::fromStdString(write.text));
    }
}

void TForm1::Calculation380() {
    const Ui::TForm1& f = *ui;
    calc::TrunkLineInputs in;
    in.resistivityText = Std(f.sComboBox3->currentText());
    in.temperature = f.sSpinEdit5->Value();
    in.crossSection = f.sDecimalSpinEdit10->Value();
    in.lengthText = Std(f.sSpinEdit6->Text());
    in.length = f.sSpinEdit6->Value();
    in.coef1 = f.sDecimalSpinEdit1->Value();
    in.coef2 = f.sDecimalSpinEdit6->Value();
    in.period = f.sSpinEdit15->Value();
    in.power = f.sSpinEdit3->Value();
    in.useTg = f.sRadioButton5->isChecked();
    in.coef3 = f.sDecimalSpinEdit2->Value();
    in.coef3cos = f.sDecimalSpinEdit9->Value();
    in.powerAll = f.sSpinEdit1->Value();

    const calc::TrunkLineRun run = calc::RunTrunkLine(in, ProgramNumberFormat());
    writeLabels(run.labels);

    QStringList lines;
    lines.reserve(static_cast<qsizetype>(run.trace.size()));
    for (const std::string& line : run.trace)
        lines.append(QString::fromStdString(line));
    f.sMemo1->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm1::Calculation220() {
    const Ui::TForm1& f = *ui;
    calc::BranchInputs in;
    in.resistivityText = Std(f.sComboBox1->currentText());
    in.temperature = f.sSpinEdit2->Value();
    in.crossSection = f.sDecimalSpinEdit11->Value();
    in.length = f.sSpinEdit8->Value();
    in.coef1 = f.sDecimalSpinEdit4->Value();
    in.maxAmperage = f.sSpinEdit11->Value();
    in.coef2 = f.sDecimalSpinEdit3->Value();
    in.hours = f.sSpinEdit13->Value();
    in.period = f.sSpinEdit14->Value();
    in.amount = f.sSpinEdit12->Value();
    in.power = f.sSpinEdit10->Value();
    in.powerAll = f.sSpinEdit9->Value();
    writeLabels(calc::RunBranch(in, ProgramNumberFormat()));
}

void TForm1::Calculationlength() {
    const Ui::TForm1& f = *ui;
    calc::EquivalentLengthInputs in;
    in.copper1 = f.sRadioButton2->isChecked();
    in.crossSection1 = f.sDecimalSpinEdit5->Value();
    in.length1 = f.sDecimalSpinEdit8->Value();
    in.copper2 = f.sRadioButton4->isChecked();
    in.crossSection2 = f.sDecimalSpinEdit7->Value();
    writeLabels(calc::RunEquivalentLength(in, ProgramNumberFormat()));
}

// ---------------------------------------------------------------- handlers

void TForm1::sComboBox3Change() {
    Calculation380();
}
void TForm1::sSpinEdit5Change() {
    Calculation380();
}
void TForm1::sDecimalSpinEdit10Change() {
    Calculation380();
}
void TForm1::sDecimalSpinEdit2Change() {
    Calculation380();
}
void TForm1::sRadioButton5Click() {
    Calculation380();
}

void TForm1::sSpeedButton1Click() {
    ui->sMemo1->setVisible(ui->sSpeedButton1->isChecked());
}

void TForm1::sMemo1MouseEnter() {
    // So that the mouse wheel scrolls the trace at once.
    if (ui->sMemo1->isVisible())
        ui->sMemo1->setFocus(Qt::MouseFocusReason);
}

void TForm1::sComboBox1Change() {
    Calculation220();
}
void TForm1::sSpinEdit2Change() {
    Calculation220();
}
void TForm1::sDecimalSpinEdit11Change() {
    Calculation220();
}
void TForm1::sSpinEdit8Change() {
    Calculation220();
}
void TForm1::sDecimalSpinEdit3Change() {
    Calculation220();
}
void TForm1::sSpinEdit11Change() {
    Calculation220();
}
void TForm1::sSpinEdit13Change() {
    Calculation220();
}
void TForm1::sSpinEdit14Change() {
    Calculation220();
}
void TForm1::sSpinEdit12Change() {
    Calculation220();
}
void TForm1::sSpinEdit10Change() {
    Calculation220();
}
void TForm1::sSpinEdit9Change() {
    Calculation220();
}

void TForm1::sButton1Click() {
    // Each write that changes its field's text recalculates through that
    // field's change signal; the second one uses the estimate of the first.
    ui->sSpinEdit12->setValue(1);
    ui->sSpinEdit10->setText(ui->sLabel94->text());
}

void TForm1::sDecimalSpinEdit5Change() {
    Calculationlength();
}
void TForm1::sRadioButton2Click() {
    Calculationlength();
}

// ---------------------------------------------------------------- interface page

void TForm1::setCaption(const QString& caption) {
    caption_ = caption;
    updateTitle();
}

void TForm1::restoreDesignFonts() {
    for (const auto& [widget, designFont] : designFonts_)
        if (widget && widget->font() != designFont)
            widget->setFont(designFont);
}

void TForm1::updateTitle() {
    setWindowTitle(sSkinProvider1->title(caption_));
}

void TForm1::sRadioButton7Click() {
    ApplyLanguage(LanguageChoice::Automatic);
    Calculation380();
}
void TForm1::sRadioButton8Click() {
    ApplyLanguage(LanguageChoice::Russian);
    Calculation380();
}
void TForm1::sRadioButton9Click() {
    ApplyLanguage(LanguageChoice::English);
    Calculation380();
}

void TForm1::sCheckBox1Click() {
    sSkinManager1->setActive(ui->sCheckBox1->isChecked());
}

// ---------------------------------------------------------------- help page

bool TForm1::HelpPageActive() const {
    const QTabWidget* pages = ui->sPageControl1;
    return pages->currentIndex() == pages->count() - 1;
}

void TForm1::sPageControl1Change() {
    // A help page that has loaded keeps its document and history.
    if (HelpPageActive() && ui->WebBrowser1 && ui->WebBrowser1->ReadyState() < 2)
        LoadHelpStartPage();
}

void TForm1::sPageControl1TabMouseLeave(int /*tabIndex*/) {
    if (isActiveWindow())
        ActivateHelpIfShown();
}

void TForm1::ActivateHelpIfShown() {
    if (HelpPageActive())
        ActivateHelpBrowser();
}

void TForm1::ActivateHelpBrowser() {
    // Keys and the wheel act on the page at once, without a click into it.
    if (ui->WebBrowser1 && ui->WebBrowser1->HasDocument())
        ui->WebBrowser1->setFocus(Qt::OtherFocusReason);
}

void TForm1::ToolButton8Click() {
    if (ui->WebBrowser1)
        ui->WebBrowser1->Navigate(THelpBrowser::StartAddress());
}
void TForm1::ToolButton5Click() {
    if (ui->WebBrowser1)
        ui->WebBrowser1->GoBack();
}
void TForm1::ToolButton6Click() {
    if (ui->WebBrowser1)
        ui->WebBrowser1->GoForward();
}

void TForm1::WebBrowser1BeforeNavigate2(const QString& address, bool* cancel) {
    // Web and mail addresses go to the system; the viewer stays on its page.
    if (ui->WebBrowser1)
        ui->WebBrowser1->HandOverWebAddress(address, cancel);
}

void TForm1::WebBrowser1CommandStateChange(int command, bool enable) {
    if (command == THelpBrowser::CSC_NAVIGATEFORWARD)
        ui->ToolButton6->setEnabled(enable);
    else if (command == THelpBrowser::CSC_NAVIGATEBACK)
        ui->ToolButton5->setEnabled(enable);
}

void TForm1::WebBrowser1NavigateComplete2(const QString& /*address*/) {
    SetDocumentBorder(false);
}

void TForm1::SetDocumentBorder(bool visible) {
    if (ui->WebBrowser1)
        ui->WebBrowser1->SetDocumentBorder(visible);
}
