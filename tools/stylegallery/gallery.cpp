// Every kind of control the main window uses, for looking at a style.
//   gallery [--styles DIR] [--skin NAME | --plain] [--tab N] [--tooltip] [--message] [--popup]

#include "ui/SkinManager.h"
#include "ui/TsSkinSelector.h"

#ifdef HAVE_TS_SPIN_EDIT
#include "ui/TsSpinEdit.h"
#endif

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

QIcon eyeIcon() {
    QPixmap pixmap(26, 26);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    p.drawEllipse(QRectF(3, 8, 20, 10));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawEllipse(QRectF(9.5, 9.5, 7, 7));
    return QIcon(pixmap);
}

QWidget* spin(bool decimal, QWidget* parent) {
#ifdef HAVE_TS_SPIN_EDIT
    if (decimal) {
        auto* field = new TsDecimalSpinEdit(parent);
        field->setValue(0.95);
        return field;
    }
    auto* field = new TsSpinEdit(parent);
    field->setValue(380);
    return field;
#else
    if (decimal) {
        auto* field = new QDoubleSpinBox(parent);
        field->setValue(0.95);
        return field;
    }
    auto* field = new QSpinBox(parent);
    field->setMaximum(100000);
    field->setValue(380);
    return field;
#endif
}

QGroupBox* inputs(const QString& title, bool enabled) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    int row = 0;
    auto add = [&](const QString& label, QWidget* field) {
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(field, row++, 1);
        field->setFixedWidth(150);
    };
    auto* material = new QComboBox;
    material->addItems({"Алюминий, плохой провод (0,0295)", "Алюминий (0,0283)", "Медь (0,0175)"});
    material->setToolTip("<b>Материал провода</b><br>Удельное сопротивление, <i>Ом·мм²/м</i>");
    add("Материал:", material);
    auto* editable = new QComboBox;
    editable->setEditable(true);
    editable->addItems({"16", "25", "35", "50"});
    add("Сечение, мм²:", editable);
    add("Напряжение, В:", spin(false, box));
    add("cos φ:", spin(true, box));
    auto* line = new QLineEdit("12,5");
    add("Длина, км:", line);
    auto* ro = new QLineEdit("только чтение");
    ro->setReadOnly(true);
    add("Результат:", ro);
    box->setEnabled(enabled);
    return box;
}

QWidget* calculatorPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(inputs("Исходные данные", true), 0, 0);
    layout->addWidget(inputs("Недоступно", false), 0, 1);

    auto* choices = new QGroupBox("Выбор");
    auto* cl = new QVBoxLayout(choices);
    auto* r1 = new QRadioButton("Автоопределение");
    r1->setChecked(true);
    cl->addWidget(r1);
    cl->addWidget(new QRadioButton("Русский"));
    auto* r3 = new QRadioButton("English (недоступно)");
    r3->setEnabled(false);
    cl->addWidget(r3);
    auto* c1 = new QCheckBox("Стилизовать");
    c1->setChecked(true);
    cl->addWidget(c1);
    cl->addWidget(new QCheckBox("Не отмечено"));
    auto* c3 = new QCheckBox("Отмечено, недоступно");
    c3->setChecked(true);
    c3->setEnabled(false);
    cl->addWidget(c3);
    layout->addWidget(choices, 0, 2);

    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    auto* pl = new QHBoxLayout(panel);
    pl->addWidget(new QPushButton("Рассчитать"));
    auto* off = new QPushButton("Недоступно");
    off->setEnabled(false);
    pl->addWidget(off);
    for (bool pressed : {false, true}) {
        auto* eye = new QToolButton;
        eye->setCheckable(true);
        eye->setChecked(pressed);
        eye->setIcon(eyeIcon());
        eye->setIconSize(QSize(26, 26));
        eye->setToolTip("Показать ход расчёта");
        pl->addWidget(eye);
    }
    auto* result = new QLabel("Потери: <b>1,234 кВт·ч</b>");
    pl->addWidget(result);
    pl->addStretch();
    layout->addWidget(panel, 1, 0, 1, 3);

    auto* trace = new QPlainTextEdit;
    QString text;
    for (int i = 1; i <= 40; ++i)
        text +=
            QString("Участок %1: ΔP = %2 Вт, длина строки побольше, чтобы появилась горизонтальная "
                    "полоса прокрутки ----------------------------------------\n")
                .arg(i)
                .arg(i * 12.5);
    trace->setPlainText(text);
    trace->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(trace, 2, 0, 1, 3);
    return page;
}

QWidget* interfacePage(SkinManager* manager) {
    auto* page = new QWidget;
    auto* language = new QGroupBox("Язык", page);
    language->setGeometry(12, 12, 165, 133);
    auto* auto_ = new QRadioButton("Автоопределение", language);
    auto_->setGeometry(15, 28, 140, 17);
    auto_->setChecked(true);
    (new QRadioButton("Русский", language))->setGeometry(15, 60, 100, 17);
    (new QRadioButton("English", language))->setGeometry(15, 92, 100, 17);
    auto* styling = new QGroupBox("Стилизация", page);
    styling->setGeometry(183, 12, 185, 133);
    auto* box = new QCheckBox("Стилизовать", styling);
    box->setGeometry(8, 28, 120, 17);
    box->setChecked(manager->Active());
    QObject::connect(box, &QCheckBox::toggled, manager, &SkinManager::setActive);
    auto* label = new QLabel("Стиль:", styling);
    label->setGeometry(8, 60, 100, 16);
    auto* selector = new TsSkinSelector(styling);
    selector->setObjectName("sSkinSelector1");
    selector->setGeometry(8, 80, 165, 21);
    selector->setSkinManager(manager);
    return page;
}

QWidget* helpPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* strip = new QFrame;
    strip->setObjectName("sPanel8");
    strip->setAutoFillBackground(true);
    QPalette yellow = strip->palette();
    yellow.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xDD));
    strip->setPalette(yellow);
    auto* sl = new QHBoxLayout(strip);
    sl->setContentsMargins(3, 0, 0, 0);
    auto* bar = new QToolBar;
    bar->addAction("Домой");
    bar->addSeparator();
    bar->addAction("Назад");
    bar->addAction("Вперёд");
    sl->addWidget(bar);
    sl->addStretch();
    layout->addWidget(strip);
    auto* browser = new QTextBrowser;
    browser->setObjectName("WebBrowser1");
    browser->setHtml("<body style='background-color:#FFFFDD; font-family:Verdana'>"
                     "<h3>Справка</h3><p>Страница справки остаётся бледно-жёлтой при любом стиле."
                     " <a href='x'>Ссылка</a></p></body>");
    layout->addWidget(browser);
    return page;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QFont font("Tahoma");
    font.setPixelSize(11);
    app.setFont(font);

    const QStringList args = app.arguments();
    auto value = [&](const QString& key, const QString& fallback) {
        const int i = args.indexOf(key);
        return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
    };

    SkinManager manager;
    manager.setSkinDirectory(value("--styles", BRIMSOTA_STYLES));
    manager.setSkinName(value("--skin", SkinManager::internalSkinName()));
    manager.setActive(!args.contains("--plain"));

    QWidget window;
    window.setWindowTitle("Галерея: " +
                          (manager.Active() ? manager.appliedSkinName() : "без стиля"));
    window.resize(834, 562);
    auto* layout = new QVBoxLayout(&window);
    auto* tabs = new QTabWidget;
    tabs->addTab(calculatorPage(), "Расчёт трёхфазной магистральной линии");
    tabs->addTab(interfacePage(&manager), "Интерфейс");
    tabs->addTab(helpPage(), "Справка");
    tabs->setCurrentIndex(value("--tab", "0").toInt());
    layout->addWidget(tabs);
    window.move(10, 10);
    window.show();

    if (args.contains("--tooltip"))
        QTimer::singleShot(500, [&] {
            QToolTip::showText(window.mapToGlobal(QPoint(200, 120)),
                               "<b>Сечение провода</b><br>Выберите из списка или введите<br>"
                               "<i>в квадратных миллиметрах</i>",
                               &window);
        });
    if (args.contains("--popup"))
        QTimer::singleShot(500, [&] {
            QComboBox* combo = window.findChild<TsSkinSelector*>();
            if (tabs->currentIndex() == 0)
                combo = window.findChild<QComboBox*>();
            if (combo)
                combo->showPopup();
        });
    if (args.contains("--message"))
        QTimer::singleShot(300, [&] {
            auto* box =
                new QMessageBox(QMessageBox::NoIcon, "Бримсота",
                                "Не удалось записать файл настроек.", QMessageBox::Ok, &window);
            box->move(400, 300);
            box->show();
        });
    return app.exec();
}
