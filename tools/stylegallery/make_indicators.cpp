// Paints the small arrow and check-mark pictures the style sheets use.
// Run once after changing a shape or adding a colour; the PNGs are committed.
//   make_indicators <output directory>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cstdio>

namespace {

const char* const kColours[] = {"000000", "202020", "3ff23f", "404040", "5a4632", "707070",
                                "808080", "a0a0a0", "b8a88f", "d0d0d0", "ffffff"};

// Pictures are drawn at twice the size and shown by Qt at the logical size
// on high-density screens; the plain file is the 1x version.
void save(const QImage& big, const QString& path) {
    big.scaled(big.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(path);
    QString hi = path;
    hi.insert(hi.size() - 4, QStringLiteral("@2x"));
    big.save(hi);
}

QImage arrow(const QColor& colour, int quarterTurns) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(8, 8);
    p.rotate(90.0 * quarterTurns);
    // Pointing up: a wide, flat triangle reads best at 8 px.
    const QPolygonF triangle{{-6.5, 3.5}, {6.5, 3.5}, {0, -3.5}};
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(triangle);
    return image;
}

QImage check(const QColor& colour) {
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    QPainterPath path;
    path.moveTo(4.5, 12.5);
    path.lineTo(9.5, 17.5);
    path.lineTo(19.5, 6.5);
    p.drawPath(path);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_indicators <output directory>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const char* const directions[] = {"up", "right", "down", "left"};
    for (const char* hex : kColours) {
        const QColor colour(QStringLiteral("#") + QLatin1String(hex));
        for (int turn = 0; turn < 4; ++turn)
            save(arrow(colour, turn),
                 out.filePath(QStringLiteral("arrow-%1-%2.png")
                                  .arg(QLatin1String(directions[turn]), QLatin1String(hex))));
        save(check(colour), out.filePath(QStringLiteral("check-%1.png").arg(QLatin1String(hex))));
    }
    return 0;
}
