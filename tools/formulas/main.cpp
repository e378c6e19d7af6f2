// Draws the formula images of the help book.
//
// Usage: formulas OUTPUT_DIR
//
// A small box layout (runs of text, sub- and superscripts, fractions) is painted
// with antialiasing in black on a transparent image. The ink is then made fully
// opaque: a pixel's coverage becomes its grey level (full coverage black, half
// coverage mid grey), and faint pixels are dropped to full transparency, so the
// image carries no translucent pixels and sits cleanly on the page colour.

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString kFamily = QStringLiteral("DejaVu Serif");
constexpr double kBaseSize = 17.0;   // pixel size of the main line
constexpr double kScriptScale = 0.7; // sub- and superscripts
constexpr int kDropBelow = 40;       // coverage (0..255) under which a pixel is dropped

struct Box {
    virtual ~Box() = default;
    double width = 0, ascent = 0, descent = 0; // ascent above, descent below the baseline
    virtual void Draw(QPainter& p, double x, double baseline) const = 0;
};
using BoxPtr = std::shared_ptr<Box>;

QFont MakeFont(double size, bool italic) {
    QFont f(kFamily);
    f.setPixelSize(qRound(size));
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// A run of text in one style. Vertical extents are those of the ink, so that
// fractions and scripts sit tight to what is drawn.
struct Text : Box {
    QString text;
    QFont font;
    double trailing = 0; // italic overhang kept clear of what follows
    Text(const QString& t, double size, bool italic) : text(t), font(MakeFont(size, italic)) {
        QFontMetricsF fm(font);
        const QRectF ink = fm.tightBoundingRect(text);
        width = fm.horizontalAdvance(text);
        if (italic)
            trailing = qMax(0.0, ink.right() - width) * 0.5;
        width += trailing;
        // Lower-case and digit runs still take the height of a capital, so
        // scripts on them line up with scripts on capitals.
        ascent = qMax(-ink.top(), fm.capHeight());
        descent = qMax(ink.bottom(), 0.0);
    }
    void Draw(QPainter& p, double x, double baseline) const override {
        p.setFont(font);
        p.drawText(QPointF(x, baseline), text);
    }
};

struct Space : Box {
    explicit Space(double w) { width = w; }
    void Draw(QPainter&, double, double) const override {}
};

struct Row : Box {
    std::vector<BoxPtr> items;
    explicit Row(std::vector<BoxPtr> children) : items(std::move(children)) {
        for (const auto& b : items) {
            width += b->width;
            ascent = qMax(ascent, b->ascent);
            descent = qMax(descent, b->descent);
        }
    }
    void Draw(QPainter& p, double x, double baseline) const override {
        for (const auto& b : items) {
            b->Draw(p, x, baseline);
            x += b->width;
        }
    }
};

// A base with an optional subscript and superscript stacked to its right.
struct Scripts : Box {
    BoxPtr base, sub, sup;
    double subShift = 0, supShift = 0;
    Scripts(BoxPtr b, BoxPtr lower, BoxPtr upper, double size)
        : base(std::move(b)), sub(std::move(lower)), sup(std::move(upper)) {
        subShift = size * 0.22;
        supShift = base->ascent - size * 0.28;
        double scriptWidth = 0;
        ascent = base->ascent;
        descent = base->descent;
        if (sub) {
            scriptWidth = qMax(scriptWidth, sub->width);
            descent = qMax(descent, subShift + sub->descent);
            ascent = qMax(ascent, sub->ascent - subShift);
        }
        if (sup) {
            scriptWidth = qMax(scriptWidth, sup->width);
            ascent = qMax(ascent, supShift + sup->ascent);
        }
        width = base->width + scriptWidth + size * 0.04;
    }
    void Draw(QPainter& p, double x, double baseline) const override {
        base->Draw(p, x, baseline);
        const double sx = x + base->width;
        if (sub)
            sub->Draw(p, sx, baseline + subShift);
        if (sup)
            sup->Draw(p, sx, baseline - supShift);
    }
};

// Numerator over denominator with a bar on the maths axis.
struct Fraction : Box {
    BoxPtr num, den;
    double axis, bar, gap, pad;
    Fraction(BoxPtr n, BoxPtr d, double size) : num(std::move(n)), den(std::move(d)) {
        axis = size * 0.30;
        bar = qMax(1.0, size * 0.06);
        gap = size * 0.16;
        pad = size * 0.15;
        width = qMax(num->width, den->width) + 2 * pad;
        ascent = axis + bar / 2 + gap + num->descent + num->ascent;
        descent = -axis + bar / 2 + gap + den->ascent + den->descent;
    }
    void Draw(QPainter& p, double x, double baseline) const override {
        const double barY = baseline - axis;
        num->Draw(p, x + (width - num->width) / 2, barY - bar / 2 - gap - num->descent);
        den->Draw(p, x + (width - den->width) / 2, barY + bar / 2 + gap + den->ascent);
        // Snapped to whole pixels, so the bar is black rather than a grey blur.
        const double thickness = std::max(1.0, std::round(bar));
        p.fillRect(QRectF(std::round(x + pad * 0.4), std::round(barY - thickness / 2),
                          std::round(width - pad * 0.8), thickness),
                   Qt::black);
    }
};

// The vocabulary of the formulas, at one size.
struct Builder {
    double size;
    explicit Builder(double s) : size(s) {}

    BoxPtr Var(const QString& t) const { return std::make_shared<Text>(t, size, true); }
    BoxPtr Up(const QString& t) const { return std::make_shared<Text>(t, size, false); }
    // Operators and relations carry their own spacing.
    BoxPtr Op(const QString& t) const { return Seq({Gap(0.22), Up(t), Gap(0.22)}); }
    BoxPtr Dot() const { return Seq({Gap(0.16), Up(QStringLiteral("·")), Gap(0.16)}); }
    BoxPtr Gap(double em) const { return std::make_shared<Space>(em * size); }
    BoxPtr Seq(std::vector<BoxPtr> items) const { return std::make_shared<Row>(std::move(items)); }

    // An italic symbol with an upright index, and optionally a power.
    BoxPtr Sub(BoxPtr base, const QString& index, bool italicIndex = false) const {
        return std::make_shared<Scripts>(std::move(base), Script(index, italicIndex), nullptr,
                                         size);
    }
    BoxPtr Pow(BoxPtr base, const QString& power) const {
        return std::make_shared<Scripts>(std::move(base), nullptr, Script(power, false), size);
    }
    BoxPtr SubPow(BoxPtr base, const QString& index, const QString& power) const {
        return std::make_shared<Scripts>(std::move(base), Script(index, false),
                                         Script(power, false), size);
    }
    BoxPtr Frac(BoxPtr num, BoxPtr den) const {
        return std::make_shared<Fraction>(std::move(num), std::move(den), size);
    }

private:
    BoxPtr Script(const QString& t, bool italic) const {
        return std::make_shared<Text>(t, size * kScriptScale, italic);
    }
};

struct Formula {
    QString name;
    QSize size;
    BoxPtr (*build)(const Builder&);
};

// ΔW = W²·(1 + tg²φ)·kф² / (24·Д·U²) · Rэкв
BoxPtr F1(const Builder& b) {
    auto num = b.Seq({b.Pow(b.Var("W"), "2"), b.Dot(), b.Up("("), b.Up("1"), b.Op("+"),
                      b.Pow(b.Up("tg"), "2"), b.Var("φ"), b.Up(")"), b.Dot(),
                      b.SubPow(b.Var("k"), "ф", "2")});
    auto den = b.Seq({b.Up("24"), b.Dot(), b.Var("Д"), b.Dot(), b.Pow(b.Var("U"), "2")});
    return b.Seq(
        {b.Up("Δ"), b.Var("W"), b.Op("="), b.Frac(num, den), b.Dot(), b.Sub(b.Var("R"), "экв")});
}

// kф² = (1 + 2Kз) / (3Kз)
BoxPtr F2(const Builder& b) {
    auto num = b.Seq({b.Up("1"), b.Op("+"), b.Up("2"), b.Sub(b.Var("K"), "з")});
    auto den = b.Seq({b.Up("3"), b.Sub(b.Var("K"), "з")});
    return b.Seq({b.SubPow(b.Var("k"), "ф", "2"), b.Op("="), b.Frac(num, den)});
}

BoxPtr LineResistance(const Builder& b, BoxPtr left) {
    auto num = b.Seq({b.Sub(b.Var("r"), "0"), b.Dot(), b.Var("L")});
    return b.Seq({std::move(left), b.Op("="), b.Frac(num, b.Var("K"))});
}

// Rэкв = r₀·L / K
BoxPtr F3(const Builder& b) {
    return LineResistance(b, b.Sub(b.Var("R"), "экв"));
}

// R = r₀·L / K
BoxPtr F3R(const Builder& b) {
    return LineResistance(b, b.Var("R"));
}

// r₀ = rм / F
BoxPtr F4(const Builder& b) {
    return b.Seq({b.Sub(b.Var("r"), "0"), b.Op("="), b.Frac(b.Sub(b.Var("r"), "м"), b.Var("F"))});
}

// ΔW = ΔP·Ч·Д·Kисп
BoxPtr F5(const Builder& b) {
    return b.Seq({b.Up("Δ"), b.Var("W"), b.Op("="), b.Up("Δ"), b.Var("P"), b.Dot(), b.Var("Ч"),
                  b.Dot(), b.Var("Д"), b.Dot(), b.Sub(b.Var("K"), "исп")});
}

// ΔP = I²·R
BoxPtr F6(const Builder& b) {
    return b.Seq({b.Up("Δ"), b.Var("P"), b.Op("="), b.Pow(b.Var("I"), "2"), b.Dot(), b.Var("R")});
}

// L₂ = L₁·(S₂·ρ₁) / (S₁·ρ₂)
BoxPtr F7(const Builder& b) {
    auto num = b.Seq({b.Sub(b.Var("S"), "2"), b.Dot(), b.Sub(b.Var("ρ"), "1")});
    auto den = b.Seq({b.Sub(b.Var("S"), "1"), b.Dot(), b.Sub(b.Var("ρ"), "2")});
    return b.Seq(
        {b.Sub(b.Var("L"), "2"), b.Op("="), b.Sub(b.Var("L"), "1"), b.Dot(), b.Frac(num, den)});
}

// Paints a formula centred in its image, shrinking the type only if it would
// not fit with a small margin.
QImage Render(const Formula& f) {
    constexpr double margin = 3;
    double size = kBaseSize;
    BoxPtr box = f.build(Builder(size));
    while (size > 8 && (box->width > f.size.width() - 2 * margin ||
                        box->ascent + box->descent > f.size.height() - 2 * margin)) {
        size -= 0.5;
        box = f.build(Builder(size));
    }
    if (size < kBaseSize)
        std::fprintf(stderr, "%s: type reduced to %.1f px\n", qPrintable(f.name), size);

    QImage image(f.size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        p.setPen(Qt::black);
        const double x = std::round((f.size.width() - box->width) / 2);
        const double top = (f.size.height() - box->ascent - box->descent) / 2;
        box->Draw(p, x, std::round(top + box->ascent));
    }

    // Coverage to opaque grey; faint fringes to nothing.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int coverage = qAlpha(line[x]);
            if (coverage < kDropBelow) {
                line[x] = qRgba(0, 0, 0, 0);
            } else {
                const int grey = 255 - coverage;
                line[x] = qRgba(grey, grey, grey, 255);
            }
        }
    }
    return image;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));

    const Formula formulas[] = {
        {QStringLiteral("Ф1"), {280, 70}, F1}, {QStringLiteral("Ф2"), {140, 70}, F2},
        {QStringLiteral("Ф3"), {140, 70}, F3}, {QStringLiteral("Ф3R"), {140, 70}, F3R},
        {QStringLiteral("Ф4"), {80, 70}, F4},  {QStringLiteral("Ф5"), {180, 30}, F5},
        {QStringLiteral("Ф6"), {110, 30}, F6}, {QStringLiteral("Ф7"), {140, 70}, F7},
    };
    for (const Formula& f : formulas) {
        const QString path = out.filePath(f.name + QStringLiteral(".png"));
        if (!Render(f).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
