// Paints the application icon and the image-list icons as PNG files.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

QImage Blank(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Eight dark red arrows of unequal length and thickness from one point.
QImage AppIcon(int size) {
    QImage image = Blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);

    struct Arrow {
        double angle, length, width;
    };
    // Angles in degrees, clockwise from east; length and shaft width in units of a 256 grid.
    const Arrow arrows[] = {{-8, 118, 20},  {38, 92, 13},  {92, 112, 17},  {133, 84, 11},
                            {178, 116, 19}, {222, 96, 14}, {268, 120, 21}, {312, 88, 12}};
    const QPointF centre(128, 128);
    const double minWidth = 256.0 / size * 1.3; // keeps the shafts visible at 16 px
    for (const Arrow& a : arrows) {
        const double w = qMax(a.width, minWidth);
        const double head = w * 2.6;
        const double headLength = w * 2.4;
        QPainterPath path;
        path.moveTo(0, -w / 2);
        path.lineTo(a.length - headLength, -w / 2);
        path.lineTo(a.length - headLength, -head / 2);
        path.lineTo(a.length, 0);
        path.lineTo(a.length - headLength, head / 2);
        path.lineTo(a.length - headLength, w / 2);
        path.lineTo(0, w / 2);
        path.closeSubpath();
        p.save();
        p.translate(centre);
        p.rotate(a.angle);
        QLinearGradient shade(0, -head / 2, 0, head / 2);
        shade.setColorAt(0, QColor(0xa0, 0x18, 0x18));
        shade.setColorAt(0.5, QColor(0x80, 0x00, 0x00));
        shade.setColorAt(1, QColor(0x60, 0x00, 0x00));
        p.setBrush(shade);
        p.drawPath(path);
        p.restore();
    }
    p.setBrush(QColor(0x80, 0x00, 0x00));
    p.drawEllipse(centre, 17, 17);
    return image;
}

QColor Green() {
    return QColor(0x2e, 0x9e, 0x2e);
}
QColor DarkGreen() {
    return QColor(0x14, 0x5c, 0x14);
}

QBrush GreenShade(double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, QColor(0x7c, 0xd8, 0x6a));
    g.setColorAt(1, Green());
    return g;
}

QImage ArrowIcon(bool left) {
    QImage image = Blank(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (left) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(1.5, 5.5);
    path.lineTo(8.0, 5.5);
    path.lineTo(8.0, 1.5);
    path.lineTo(14.5, 8.0);
    path.lineTo(8.0, 14.5);
    path.lineTo(8.0, 10.5);
    path.lineTo(1.5, 10.5);
    path.closeSubpath();
    p.setPen(QPen(DarkGreen(), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(GreenShade(1.5, 14.5));
    p.drawPath(path);
    return image;
}

QImage HouseIcon() {
    QImage image = Blank(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPen outline(DarkGreen(), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath walls;
    walls.addRect(QRectF(3.5, 7.5, 9, 7));
    p.setPen(outline);
    p.setBrush(GreenShade(7.5, 14.5));
    p.drawPath(walls);
    QPainterPath roof;
    roof.moveTo(0.8, 8.2);
    roof.lineTo(8, 1.3);
    roof.lineTo(15.2, 8.2);
    roof.lineTo(13.2, 8.2);
    roof.lineTo(8, 3.4);
    roof.lineTo(2.8, 8.2);
    roof.closeSubpath();
    p.setBrush(DarkGreen());
    p.drawPath(roof);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf0, 0xd8));
    p.drawRect(QRectF(6.5, 10, 3, 4.5));
    return image;
}

// A shield in four quarters, blue and yellow crosswise.
QImage ShieldIcon() {
    QImage image = Blank(16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shield;
    shield.moveTo(1.5, 1.5);
    shield.lineTo(14.5, 1.5);
    shield.lineTo(14.5, 7.5);
    shield.cubicTo(14.5, 11.5, 11, 13.5, 8, 15);
    shield.cubicTo(5, 13.5, 1.5, 11.5, 1.5, 7.5);
    shield.closeSubpath();
    const QColor blue(0x1f, 0x4f, 0xb4), yellow(0xf2, 0xc4, 0x1b);
    p.setClipPath(shield);
    p.fillRect(QRectF(0, 0, 8, 8), blue);
    p.fillRect(QRectF(8, 0, 8, 8), yellow);
    p.fillRect(QRectF(0, 8, 8, 8), yellow);
    p.fillRect(QRectF(8, 8, 8, 8), blue);
    p.setClipping(false);
    p.setPen(QPen(QColor(0x22, 0x2a, 0x44), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shield);
    return image;
}

// A dark grey eye, 26 px.
QImage EyeIcon() {
    QImage image = Blank(26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor grey(0x40, 0x40, 0x40);
    QPainterPath lids;
    lids.moveTo(1.5, 13);
    lids.cubicTo(6, 5, 20, 5, 24.5, 13);
    lids.cubicTo(20, 21, 6, 21, 1.5, 13);
    lids.closeSubpath();
    p.setPen(QPen(grey, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(lids);
    QRadialGradient iris(QPointF(12, 12), 5.5);
    iris.setColorAt(0, QColor(0x80, 0x80, 0x80));
    iris.setColorAt(1, grey);
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(QPointF(13, 13), 5, 5);
    p.setBrush(QColor(0x10, 0x10, 0x10));
    p.drawEllipse(QPointF(13, 13), 2.2, 2.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(11.4, 11.4), 1.1, 1.1);
    return image;
}

bool Save(const QImage& image, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = true;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128, 256})
        ok &= Save(AppIcon(size), dir, QStringLiteral("app%1.png").arg(size));
    ok &= Save(ArrowIcon(true), dir, QStringLiteral("back.png"));
    ok &= Save(ArrowIcon(false), dir, QStringLiteral("forward.png"));
    ok &= Save(HouseIcon(), dir, QStringLiteral("home.png"));
    ok &= Save(ShieldIcon(), dir, QStringLiteral("shield.png"));
    ok &= Save(EyeIcon(), dir, QStringLiteral("visible48.png"));
    return ok ? 0 : 1;
}
