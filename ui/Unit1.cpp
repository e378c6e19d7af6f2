#include "ui/Unit1.h"

#include "calc/Branch.h"
#include "calc/EquivalentLength.h"
#include "calc/TrunkLine.h"
#include "ui/Hints.h"
#include "ui/ProgramNumberFormat.h"
#include "ui_Unit1.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>
#include <QShowEvent>

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
    // A wider fallback font may need more room than the design size.
    setMinimumSize(minimumSize().expandedTo(layout()->totalMinimumSize()));
    resize(size().expandedTo(minimumSize()));
    Form1 = this;
    setWindowIcon(ApplicationIcon());

    for (QLabel* label : findChildren<QLabel*>())
        labels_.emplace(Std(label->objectName()), label);
    ui->sMemo1->installEventFilter(this);
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

    // OpenConfig: the saved inputs and interface choices go here, after the
    // skin directory is known; each restored control runs its handler.

    // The help start page is loaded here, after the settings.
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
    // SaveConfig: every input and choice is written here, at every close.
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
