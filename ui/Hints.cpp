#include "ui/Hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int kWrapWidth = 400;
// Long enough to read any hint; the tip goes when the pointer leaves.
constexpr int kShowTimeMs = 24 * 60 * 60 * 1000;

class HintFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        // Without a hint of its own the event travels on to the parent.
        if (widget->toolTip().isEmpty())
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), HintHtml(widget->toolTip()), widget, QRect(),
                           kShowTimeMs);
        return true;
    }
};

} // namespace

QString HintHtml(const QString& hint) {
    QString body = hint;
    body.remove(QLatin1Char('\r'));
    body.remove(QLatin1Char('\n'));

    QTextDocument probe;
    probe.setDefaultFont(QToolTip::font());
    probe.setDocumentMargin(0);
    probe.setHtml(body);
    if (probe.idealWidth() > kWrapWidth) {
        // A fixed-width cell is the one width rule Qt's rich text obeys.
        body = QStringLiteral("<table width=\"%1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>")
                   .arg(kWrapWidth) +
               body + QStringLiteral("</td></tr></table>");
    }
    // <qt> makes the tip rich text even when the hint holds no tag.
    return QStringLiteral("<qt>") + body + QStringLiteral("</qt>");
}

void RestoreHintLineEnds(QWidget* root) {
    static const QRegularExpression bareLineFeed(QStringLiteral("(?<!\r)\n"));
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        QString hint = widget->toolTip();
        if (hint.contains(QLatin1Char('\n')))
            widget->setToolTip(hint.replace(bareLineFeed, QStringLiteral("\r\n")));
    }
}

void InstallHints() {
    // Owned by the application; gone with it.
    static QPointer<HintFilter> filter;
    if (filter)
        return;
    filter = new HintFilter(qApp);
    qApp->installEventFilter(filter);
}
