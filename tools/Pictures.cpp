#include "Pictures.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

#include <cmath>

namespace {

constexpr int kCanvas = 128;

QImage canvas(int size = kCanvas) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void begin(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QPen outline(qreal width = 4) { return QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

QPolygonF regular(int corners, qreal radius, QPointF centre, qreal startDegrees) {
    QPolygonF poly;
    for (int i = 0; i < corners; ++i) {
        const qreal a = qDegreesToRadians(startDegrees + 360.0 * i / corners);
        poly << centre + QPointF(radius * std::cos(a), radius * std::sin(a));
    }
    return poly;
}

QPolygonF star(int points, qreal outer, qreal inner, QPointF centre) {
    QPolygonF poly;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = qDegreesToRadians(-90.0 + 180.0 * i / points);
        const qreal r = i % 2 ? inner : outer;
        poly << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return poly;
}

QPainterPath heartPath(QRectF r) {
    QPainterPath path;
    const qreal w = r.width(), h = r.height(), x = r.x(), y = r.y();
    path.moveTo(x + w / 2, y + h);
    path.cubicTo(x - w * 0.05, y + h * 0.55, x - w * 0.02, y + h * 0.05, x + w * 0.27, y + h * 0.02);
    path.cubicTo(x + w * 0.40, y, x + w * 0.48, y + h * 0.10, x + w / 2, y + h * 0.22);
    path.cubicTo(x + w * 0.52, y + h * 0.10, x + w * 0.60, y, x + w * 0.73, y + h * 0.02);
    path.cubicTo(x + w * 1.02, y + h * 0.05, x + w * 1.05, y + h * 0.55, x + w / 2, y + h);
    path.closeSubpath();
    return path;
}

// ------------------------------------------------------------------ emoji

QImage renderEmoji(const QString& text, QString* problem) {
    QFont font(QStringLiteral("Noto Color Emoji"));
    font.setPixelSize(109);  // the size the font's colour glyphs are drawn at
    const QFontMetricsF metrics(font);
    const QList<uint> ucs4 = text.toUcs4();
    for (uint c : ucs4) {
        const bool joiner = c == 0x200d || c == 0xfe0f || (c >= 0x1f3fb && c <= 0x1f3ff);
        if (!joiner && !metrics.inFontUcs4(c))
            *problem = QStringLiteral("U+%1 is not in Noto Color Emoji").arg(c, 4, 16, QLatin1Char('0')).toUpper();
    }
    QImage img = canvas(192);
    QPainter p;
    begin(p, img);
    p.setFont(font);
    p.drawText(img.rect(), Qt::AlignCenter, text);
    p.end();
    return img;
}

// ------------------------------------------------------------------ coins

struct Metal {
    QColor face, rim, sign;
};

Metal metal(const QString& name) {
    if (name.startsWith(QLatin1String("gold"))) return {QColor(245, 196, 0), QColor(170, 120, 0), QColor(120, 80, 0)};
    if (name.startsWith(QLatin1String("silver"))) return {QColor(214, 214, 222), QColor(120, 120, 130), QColor(60, 60, 70)};
    if (name == QLatin1String("copper")) return {QColor(214, 120, 60), QColor(130, 60, 20), QColor(90, 35, 10)};
    if (name == QLatin1String("orange")) return {QColor(247, 147, 26), QColor(170, 90, 0), QColor(255, 255, 255)};
    return {QColor(214, 214, 222), QColor(200, 150, 0), QColor(60, 60, 70)};  // bimetal: silver centre, gold ring
}

QImage drawCoin(const QString& source, QString* problem) {
    const QStringList parts = source.split(QLatin1Char(' '));
    const QString sign = parts.value(0);
    const QString style = parts.value(1);
    const Metal m = metal(style);
    QImage img = canvas();
    QPainter p;
    begin(p, img);
    const QPointF c(64, 64);
    QPainterPath rim;
    if (style == QLatin1String("gold12"))
        rim.addPolygon(regular(12, 62, c, 15)), rim.closeSubpath();
    else
        rim.addEllipse(c, 61, 61);
    p.setPen(outline(4));
    p.setBrush(style == QLatin1String("bimetal") ? QColor(235, 180, 0) : m.rim);
    p.drawPath(rim);
    p.setPen(QPen(m.rim.darker(130), 3));
    p.setBrush(m.face);
    p.drawEllipse(c, style == QLatin1String("bimetal") ? 42 : 52, style == QLatin1String("bimetal") ? 42 : 52);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(78);
    const QFontMetricsF metrics(font);
    for (uint u : sign.toUcs4())
        if (!metrics.inFontUcs4(u)) *problem = QStringLiteral("the sign %1 is not in DejaVu Sans Bold").arg(sign);
    p.setFont(font);
    p.setPen(m.sign);
    p.drawText(QRectF(0, 0, 128, 128), Qt::AlignCenter, sign);
    p.end();
    return img;
}

// ------------------------------------------------------------------ shapes

QImage drawShape(const QString& what, QString* problem) {
    QImage img = canvas();
    QPainter p;
    begin(p, img);
    p.setPen(outline(5));
    const QPointF c(64, 64);
    QPainterPath path;
    QColor fill;
    auto poly = [&](const QPolygonF& pg) {
        path.addPolygon(pg);
        path.closeSubpath();
    };
    if (what == QLatin1String("circle")) {
        fill = QColor(220, 20, 20);
        path.addEllipse(c, 54, 54);
    } else if (what == QLatin1String("square")) {
        fill = QColor(30, 60, 220);
        path.addRect(18, 18, 92, 92);
    } else if (what == QLatin1String("triangle")) {
        fill = QColor(20, 170, 40);
        poly(QPolygonF{{64, 10}, {122, 114}, {6, 114}});
    } else if (what == QLatin1String("star5")) {
        fill = QColor(255, 215, 0);
        poly(star(5, 62, 25, QPointF(64, 68)));
    } else if (what == QLatin1String("heart")) {
        fill = QColor(230, 30, 120);
        path = heartPath(QRectF(8, 14, 112, 104));
    } else if (what == QLatin1String("diamond")) {
        fill = QColor(0, 190, 220);
        poly(QPolygonF{{64, 4}, {108, 64}, {64, 124}, {20, 64}});
    } else if (what == QLatin1String("hexagon")) {
        fill = QColor(255, 140, 0);
        poly(regular(6, 60, c, 0));
    } else if (what == QLatin1String("pentagon")) {
        fill = QColor(140, 40, 200);
        poly(regular(5, 62, QPointF(64, 70), -90));
    } else if (what == QLatin1String("octagon")) {
        fill = QColor(150, 20, 20);
        poly(regular(8, 62, c, 22.5));
    } else if (what == QLatin1String("crescent")) {
        fill = QColor(240, 220, 40);
        QPainterPath disc, bite;
        disc.addEllipse(c, 56, 56);
        bite.addEllipse(QPointF(90, 50), 48, 48);
        path = disc.subtracted(bite);
    } else if (what == QLatin1String("cross")) {
        fill = QColor(230, 0, 0);
        path.setFillRule(Qt::WindingFill);
        path.addRect(46, 8, 36, 112);
        path.addRect(8, 46, 112, 36);
        path = path.simplified();
    } else if (what == QLatin1String("arrow")) {
        fill = QColor(0, 120, 60);
        poly(QPolygonF{{6, 46}, {66, 46}, {66, 14}, {122, 64}, {66, 114}, {66, 82}, {6, 82}});
    } else if (what == QLatin1String("ring")) {
        fill = QColor(40, 80, 200);
        QPainterPath outer, inner;
        outer.addEllipse(c, 58, 58);
        inner.addEllipse(c, 32, 32);
        path = outer.subtracted(inner);
    } else if (what == QLatin1String("oval")) {
        fill = QColor(0, 160, 150);
        path.addEllipse(QRectF(4, 30, 120, 68));
    } else if (what == QLatin1String("rectangle")) {
        fill = QColor(250, 130, 170);
        path.addRect(6, 34, 116, 60);
    } else if (what == QLatin1String("trapezoid")) {
        fill = QColor(120, 70, 30);
        poly(QPolygonF{{36, 26}, {92, 26}, {124, 102}, {4, 102}});
    } else if (what == QLatin1String("parallelogram")) {
        fill = QColor(120, 200, 40);
        poly(QPolygonF{{44, 28}, {124, 28}, {84, 100}, {4, 100}});
    } else if (what == QLatin1String("star6")) {
        fill = QColor(30, 90, 230);
        poly(star(6, 62, 36, c));
    } else if (what == QLatin1String("spade")) {
        fill = QColor(40, 40, 40);
        QPainterPath h = heartPath(QRectF(12, 6, 104, 92));
        path = QTransform().translate(0, 104).scale(1, -1).map(h);
        path.setFillRule(Qt::WindingFill);
        path.addPolygon(QPolygonF{{64, 70}, {86, 122}, {42, 122}});
        path = path.simplified();
    } else if (what == QLatin1String("club")) {
        fill = QColor(0, 110, 0);
        path.setFillRule(Qt::WindingFill);
        path.addEllipse(QPointF(64, 34), 27, 27);
        path.addEllipse(QPointF(34, 72), 27, 27);
        path.addEllipse(QPointF(94, 72), 27, 27);
        path.addPolygon(QPolygonF{{64, 56}, {86, 124}, {42, 124}});
        path = path.simplified();
    } else if (what == QLatin1String("semicircle")) {
        fill = QColor(255, 100, 0);
        path.moveTo(4, 94);
        path.arcTo(QRectF(4, 34, 120, 120), 180, -180);
        path.closeSubpath();
    } else if (what == QLatin1String("cube")) {
        p.setPen(outline(4));
        const QPointF top(64, 8), left(10, 36), right(118, 36), mid(64, 64), bl(10, 92), br(118, 92), bottom(64, 122);
        p.setBrush(QColor(120, 170, 255));
        p.drawPolygon(QPolygonF{top, right, mid, left});
        p.setBrush(QColor(40, 90, 210));
        p.drawPolygon(QPolygonF{left, mid, bottom, bl});
        p.setBrush(QColor(10, 40, 130));
        p.drawPolygon(QPolygonF{mid, right, br, bottom});
    } else if (what == QLatin1String("saltire")) {
        fill = QColor(110, 0, 160);
        QPainterPath bar;
        bar.addRect(-60, -17, 120, 34);
        path = QTransform().translate(64, 64).rotate(45).map(bar).united(QTransform().translate(64, 64).rotate(-45).map(bar));
    } else if (what == QLatin1String("cylinder")) {
        p.setPen(outline(4));
        p.setBrush(QColor(200, 40, 40));
        QPainterPath body;
        body.moveTo(22, 26);
        body.lineTo(22, 102);
        body.arcTo(QRectF(22, 86, 84, 32), 180, 180);
        body.lineTo(106, 26);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(250, 130, 130));
        p.drawEllipse(QRectF(22, 10, 84, 32));
    } else if (what == QLatin1String("teardrop")) {
        fill = QColor(20, 140, 230);
        path.moveTo(64, 4);
        path.cubicTo(80, 40, 104, 58, 104, 84);
        path.arcTo(QRectF(24, 44, 80, 80), 0, -180);
        path.cubicTo(24, 58, 48, 40, 64, 4);
        path.closeSubpath();
    } else if (what == QLatin1String("cone")) {
        p.setPen(outline(4));
        p.setBrush(QColor(255, 150, 30));
        QPainterPath body;
        body.moveTo(64, 6);
        body.lineTo(110, 100);
        body.arcTo(QRectF(18, 86, 92, 30), 0, -180);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(QColor(200, 90, 0));
        p.drawEllipse(QRectF(18, 86, 92, 30));
    } else if (what == QLatin1String("sector")) {
        fill = QColor(180, 0, 120);
        path.moveTo(16, 112);
        path.arcTo(QRectF(-88, 8, 208, 208), 0, 90);
        path.closeSubpath();
    } else if (what == QLatin1String("chevron")) {
        fill = QColor(230, 180, 0);
        poly(QPolygonF{{64, 14}, {122, 72}, {122, 114}, {64, 56}, {6, 114}, {6, 72}});
    } else if (what == QLatin1String("cloud")) {
        fill = QColor(170, 200, 230);
        path.setFillRule(Qt::WindingFill);
        path.addEllipse(QPointF(40, 78), 30, 28);
        path.addEllipse(QPointF(68, 56), 36, 34);
        path.addEllipse(QPointF(96, 76), 26, 26);
        path.addRect(40, 78, 56, 28);
        path = path.simplified();
    } else if (what == QLatin1String("pyramid")) {
        p.setPen(outline(4));
        p.setBrush(QColor(230, 200, 120));
        p.drawPolygon(QPolygonF{{70, 8}, {124, 110}, {84, 122}});
        p.setBrush(QColor(170, 130, 50));
        p.drawPolygon(QPolygonF{{70, 8}, {84, 122}, {4, 104}});
    } else {
        *problem = QStringLiteral("unknown shape %1").arg(what);
    }
    if (fill.isValid()) {
        path.setFillRule(Qt::WindingFill);
        p.setBrush(fill);
        p.drawPath(path);
    }
    p.end();
    return img;
}

// ------------------------------------------------------------ other drawings

QImage drawOther(const QString& what, QString* problem) {
    QImage img = canvas();
    QPainter p;
    begin(p, img);
    p.setPen(outline(4));
    if (what == QLatin1String("goldbars")) {
        auto bar = [&](qreal x, qreal y) {
            p.setBrush(QColor(255, 210, 40));
            p.drawPolygon(QPolygonF{{x + 8, y}, {x + 52, y}, {x + 60, y + 26}, {x, y + 26}});
            p.setBrush(QColor(190, 140, 0));
            p.drawPolygon(QPolygonF{{x + 52, y}, {x + 64, y - 6}, {x + 70, y + 18}, {x + 60, y + 26}});
        };
        bar(30, 36);
        bar(2, 66);
        bar(60, 66);
        bar(16, 96);
        bar(48, 96) ;
    } else if (what == QLatin1String("chest")) {
        p.setBrush(QColor(140, 80, 30));
        p.drawRect(QRectF(10, 58, 108, 60));
        p.setBrush(QColor(255, 210, 40));
        p.drawEllipse(QRectF(20, 40, 34, 24));
        p.drawEllipse(QRectF(50, 34, 34, 24));
        p.drawEllipse(QRectF(76, 42, 34, 24));
        p.setBrush(QColor(170, 100, 40));
        QPainterPath lid;
        lid.moveTo(10, 58);
        lid.lineTo(118, 58);
        lid.lineTo(124, 30);
        lid.arcTo(QRectF(14, 8, 110, 44), 0, 90);
        lid.closeSubpath();
        p.setBrush(QColor(120, 60, 20));
        p.drawPolygon(QPolygonF{{10, 58}, {2, 22}, {40, 10}, {34, 52}});
        p.setBrush(QColor(230, 180, 30));
        p.drawRect(QRectF(56, 62, 16, 22));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(230, 180, 30), 6));
        p.drawLine(QPointF(12, 96), QPointF(116, 96));
    } else if (what == QLatin1String("triangle")) {
        QPainterPath tri;
        tri.moveTo(52, 18);
        tri.lineTo(10, 110);
        tri.lineTo(110, 110);
        tri.lineTo(72, 30);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tri);
        p.setPen(QPen(QColor(200, 200, 215), 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tri);
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(QPointF(62, 4), QPointF(62, 22));
        p.setPen(QPen(QColor(180, 30, 30), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(70, 64), QPointF(122, 40));
    } else if (what == QLatin1String("xylophone")) {
        const QColor colours[] = {QColor(230, 30, 30), QColor(255, 140, 0), QColor(250, 220, 0), QColor(40, 180, 40),
                                  QColor(30, 110, 230), QColor(140, 50, 200)};
        for (int i = 0; i < 6; ++i) {
            const qreal h = 96 - i * 11;
            p.setBrush(colours[i]);
            p.drawRoundedRect(QRectF(6 + i * 20, 64 - h / 2 + 14, 16, h), 4, 4);
        }
        p.setPen(QPen(QColor(110, 60, 20), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(30, 8), QPointF(70, 44));
        p.drawLine(QPointF(112, 8), QPointF(84, 48));
        p.setPen(outline(3));
        p.setBrush(QColor(240, 240, 240));
        p.drawEllipse(QPointF(72, 46), 8, 8);
        p.drawEllipse(QPointF(82, 50), 8, 8);
    } else if (what == QLatin1String("balloon")) {
        const QColor stripes[] = {QColor(230, 30, 30), QColor(255, 210, 0), QColor(30, 110, 230)};
        QPainterPath envelope;
        envelope.moveTo(46, 92);
        envelope.cubicTo(10, 64, 10, 6, 64, 6);
        envelope.cubicTo(118, 6, 118, 64, 82, 92);
        envelope.closeSubpath();
        p.setBrush(stripes[0]);
        p.drawPath(envelope);
        p.save();
        p.setClipPath(envelope);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(stripes[(i + 1) % 3]);
            p.drawEllipse(QRectF(40 + i * 0, 0, 48 - i * 16, 100).translated(i * 8, 0));
        }
        p.restore();
        p.setBrush(Qt::NoBrush);
        p.drawPath(envelope);
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(QPointF(48, 92), QPointF(52, 106));
        p.drawLine(QPointF(80, 92), QPointF(76, 106));
        p.setPen(outline(4));
        p.setBrush(QColor(140, 80, 30));
        p.drawRect(QRectF(50, 104, 28, 18));
    } else if (what == QLatin1String("tuningfork")) {
        QPainterPath fork;
        fork.moveTo(40, 6);
        fork.lineTo(40, 60);
        fork.arcTo(QRectF(40, 36, 48, 48), 180, 180);
        fork.lineTo(88, 6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 18, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPath(fork);
        p.drawLine(QPointF(64, 80), QPointF(64, 124));
        p.setPen(QPen(QColor(190, 190, 205), 10, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPath(fork);
        p.drawLine(QPointF(64, 84), QPointF(64, 120));
    } else {
        *problem = QStringLiteral("unknown drawing %1").arg(what);
    }
    p.end();
    return img;
}

// A tile drawn in perspective: width from 1 (face on) to 0 (edge-on).
void drawSmallTile(QPainter& p, QRectF area, qreal width, bool faceUp) {
    const qreal w = std::max<qreal>(6, area.width() * std::abs(width));
    const QRectF face(area.center().x() - w / 2, area.top(), w, area.height());
    const qreal depth = 12 * std::abs(width) + 4;
    p.setPen(outline(4));
    p.setBrush(QColor(0, 0, 255));
    p.drawPolygon(QPolygonF{face.topLeft(), face.topLeft() + QPointF(-depth, depth), face.bottomLeft() + QPointF(-depth, depth),
                            face.bottomRight() + QPointF(-depth, depth), face.bottomRight(), face.topRight()});
    p.setBrush(faceUp ? QColor(255, 255, 255) : QColor(0, 255, 255));
    p.drawRect(face);
    if (faceUp && w > 20) {
        p.setBrush(QColor(230, 20, 40));
        const qreal s = std::min(w, face.height()) * 0.7;
        QRectF heart(0, 0, s * std::min<qreal>(1, w / face.height() * 1.2), s);
        heart.moveCenter(face.center());
        p.drawPath(heartPath(heart));
    }
}

}  // namespace

QList<PictureEntry> ReadPictureTable(const QString& path, QString* error) {
    QList<PictureEntry> entries;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return entries;
    }
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList f5 = line.split(QLatin1Char('\t'));
        if (f5.size() != 5) {
            *error = QStringLiteral("bad line in %1: %2").arg(path, line);
            continue;
        }
        entries.append(PictureEntry{f5[0], f5[1].toInt(), f5[2], f5[3], f5[4]});
    }
    return entries;
}

QImage RenderPicture(const PictureEntry& e, QString* problem) {
    if (e.kind == QLatin1String("emoji")) return renderEmoji(e.source, problem);
    if (e.kind == QLatin1String("coin")) return drawCoin(e.source, problem);
    if (e.kind == QLatin1String("shape")) return drawShape(e.source, problem);
    if (e.kind == QLatin1String("draw")) return drawOther(e.source, problem);
    *problem = QStringLiteral("unknown kind %1").arg(e.kind);
    return canvas();
}

QImage FitPicture(const QImage& big, int size, bool crop) {
    QRect box = big.rect();
    if (crop) {
        int l = big.width(), t = big.height(), r = -1, b = -1;
        for (int y = 0; y < big.height(); ++y)
            for (int x = 0; x < big.width(); ++x)
                if (qAlpha(big.pixel(x, y)) > 24) {
                    l = std::min(l, x);
                    r = std::max(r, x);
                    t = std::min(t, y);
                    b = std::max(b, y);
                }
        if (r >= l) box = QRect(QPoint(l, t), QPoint(r, b));
        // Square the box around its centre, so the scale keeps the aspect.
        const int side = std::max(box.width(), box.height());
        box = QRect(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    // The margin grows with the size, so every size shows the same picture.
    const int inner = crop ? size - 2 * std::max(1, size / 32) : size;
    QImage square(box.size(), QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    QPainter p(&square);
    p.drawImage(QPoint(0, 0), big, box);
    p.end();
    const QImage scaled = square.scaled(inner, inner, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage out(size, size, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter q(&out);
    q.drawImage(QPoint((size - scaled.width()) / 2, (size - scaled.height()) / 2), scaled);
    q.end();
    return out;
}

bool IsPale(const QImage& img) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (qAlpha(c) < 128) continue;
            if (std::min({qRed(c), qGreen(c), qBlue(c)}) >= 200) sum += 1;
            ++count;
        }
    return count != 0 && sum / count >= 0.5;
}

void AddOutline(QImage& img, int width) {
    QImage grown = img.convertToFormat(QImage::Format_ARGB32);
    for (int step = 0; step < width; ++step) {
        const QImage before = grown;
        auto opaque = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < before.width() && y < before.height() && qAlpha(before.pixel(x, y)) >= 128;
        };
        for (int y = 0; y < grown.height(); ++y)
            for (int x = 0; x < grown.width(); ++x)
                if (!opaque(x, y) && (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)))
                    grown.setPixel(x, y, qRgb(110, 110, 120));
    }
    if (width == 1) {  // the small icon: a hard one-pixel line, nothing blended
        img = grown.convertToFormat(img.format());
        return;
    }
    // Larger: the outline under the drawing, so its soft edge blends into the grey.
    QImage out(img.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    for (int y = 0; y < grown.height(); ++y)
        for (int x = 0; x < grown.width(); ++x)
            if (qAlpha(grown.pixel(x, y)) >= 128) p.fillRect(x, y, 1, 1, QColor(110, 110, 120));
    p.drawImage(0, 0, img);
    p.end();
    img = out.convertToFormat(QImage::Format_ARGB32);
}

bool OutlineIfPale(QImage& img) {
    if (!IsPale(img)) return false;
    AddOutline(img, 1);
    return true;
}

QImage DrawAboutFrame(int n) {
    QImage img = canvas();
    QPainter p;
    begin(p, img);
    const qreal widths[] = {1.0, 0.55, 0.0, 0.55, 1.0};
    drawSmallTile(p, QRectF(28, 8, 92, 96), widths[(n - 1) % 5], n >= 4);
    p.end();
    return img;
}

void PaintProgramIcon(QPainter& p) {
    drawSmallTile(p, QRectF(22, 4, 64, 72), 1.0, false);
    drawSmallTile(p, QRectF(58, 48, 64, 72), 1.0, true);
}

QImage DrawProgramIcon() {
    QImage img = canvas();
    QPainter p;
    begin(p, img);
    PaintProgramIcon(p);
    p.end();
    return img;
}

namespace {
const char* const* HandArt() {
    // X black, . white, space transparent; the tip of the index finger is
    // the hot spot at the top left.
    static const char* const art[32] = {
        "XXX                             ",
        "X..X                            ",
        "X...X                           ",
        "X...X                           ",
        "X...X                           ",
        "X...X                           ",
        "X...X                           ",
        "X...XXX                         ",
        "X...X..XXX                      ",
        "X...X..X..XXX                   ",
        "X...X..X..X..X                  ",
        "X...X..X..X..X XX               ",
        "X............XX..X              ",
        "X............X...X              ",
        "X...............X               ",
        "X..............X                ",
        " X.............X                ",
        " X............X                 ",
        "  X...........X                 ",
        "  X..........X                  ",
        "   X.........X                  ",
        "   X.........X                  ",
        "   XXXXXXXXXXX                  ",
        "                                ",
        "                                ",
        "                                ",
        "                                ",
        "                                ",
        "                                ",
        "                                ",
        "                                ",
        "                                ",
    };
    return art;
}
}  // namespace

IndexedPicture HandPointer() {
    const char* const* art = HandArt();
    IndexedPicture p;
    p.width = 32;
    p.height = 32;
    p.bitsPerPixel = 1;
    p.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    p.pixels.resize(32 * 32);
    p.transparent.resize(32 * 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const char c = art[y][x];
            p.pixels[y * 32 + x] = c == '.' ? 1 : 0;
            p.transparent[y * 32 + x] = c == ' ';
        }
    return p;
}

namespace {
// One step of the Scale2x rule: every pixel becomes four, and a corner takes
// the colour of its two neighbours where they agree, so stair steps turn into
// diagonals and no new colour appears.
QImage Scale2x(const QImage& in) {
    const int w = in.width(), h = in.height();
    QImage out(2 * w, 2 * h, QImage::Format_ARGB32);
    auto at = [&](int x, int y) { return in.pixel(qBound(0, x, w - 1), qBound(0, y, h - 1)); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb p = at(x, y), a = at(x, y - 1), b = at(x + 1, y), c = at(x - 1, y), d = at(x, y + 1);
            out.setPixel(2 * x, 2 * y, c == a && c != d && a != b ? a : p);
            out.setPixel(2 * x + 1, 2 * y, a == b && a != c && b != d ? b : p);
            out.setPixel(2 * x, 2 * y + 1, d == c && d != b && c != a ? c : p);
            out.setPixel(2 * x + 1, 2 * y + 1, b == d && b != a && d != c ? d : p);
        }
    return out;
}
}  // namespace

QImage HandPointerArt() {
    const char* const* art = HandArt();
    QImage img(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            img.setPixel(x, y, art[y][x] == 'X' ? qRgb(0, 0, 0) : art[y][x] == '.' ? qRgb(255, 255, 255) : 0u);
    return Scale2x(Scale2x(img));
}

QStringList ToolbarKeys() {
    return {QStringLiteral("New"),     QStringLiteral("Scores"),  QStringLiteral("Boards"), QStringLiteral("Colors"),
            QStringLiteral("Images"),  QStringLiteral("Levels"),  QStringLiteral("Players"), QStringLiteral("Sounds"),
            QStringLiteral("About"),   QStringLiteral("Exit")};
}

QImage DrawToolbarPicture(const QString& key) {
    QImage img(16, 15, QImage::Format_RGB32);
    img.fill(qRgb(192, 192, 192));
    QPainter p(&img);  // no antialiasing: every pixel one of the 16 colours
    const QColor black(0, 0, 0), white(255, 255, 255), grey(128, 128, 128), yellow(255, 255, 0), olive(128, 128, 0),
        blue(0, 0, 255), navy(0, 0, 128), red(255, 0, 0), green(0, 128, 0), cyan(0, 255, 255), lime(0, 255, 0),
        magenta(255, 0, 255), maroon(128, 0, 0);
    auto box = [&](int x, int y, int w, int h, QColor fill, QColor edge) {
        p.fillRect(x, y, w, h, edge);
        if (w > 2 && h > 2) p.fillRect(x + 1, y + 1, w - 2, h - 2, fill);
    };
    if (key == QLatin1String("New")) {
        // A fresh deal: two tiles, one face down and one face up.
        box(1, 2, 7, 9, cyan, black);
        p.fillRect(1, 11, 7, 1, blue);
        box(8, 4, 7, 9, white, black);
        p.fillRect(10, 7, 3, 3, red);
        p.fillRect(8, 13, 7, 1, blue);
    } else if (key == QLatin1String("Scores")) {
        p.fillRect(3, 1, 10, 1, black);
        box(3, 1, 10, 6, yellow, black);
        p.fillRect(4, 7, 8, 1, black);
        p.fillRect(5, 7, 6, 1, yellow);
        p.fillRect(1, 2, 2, 1, black), p.fillRect(1, 2, 1, 3, black), p.fillRect(1, 5, 3, 1, black);
        p.fillRect(13, 2, 2, 1, black), p.fillRect(14, 2, 1, 3, black), p.fillRect(12, 5, 3, 1, black);
        p.fillRect(7, 8, 2, 3, olive);
        box(4, 11, 8, 3, yellow, black);
    } else if (key == QLatin1String("Boards")) {
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) box(1 + c * 5, 0 + r * 5, 4, 4, cyan, navy);
    } else if (key == QLatin1String("Colors")) {
        const QColor cs[] = {red, lime, magenta, yellow, cyan};
        for (int i = 0; i < 5; ++i) box(1 + (i % 3) * 5, 1 + (i / 3) * 6, 4, 6, cs[i], black);
        box(11, 7, 4, 6, white, black);
    } else if (key == QLatin1String("Images")) {
        box(0, 1, 16, 13, cyan, black);
        p.fillRect(1, 9, 14, 4, green);
        p.fillRect(4, 7, 5, 2, green);
        p.fillRect(11, 3, 2, 2, yellow);
    } else if (key == QLatin1String("Levels")) {
        box(1, 9, 4, 5, lime, black);
        box(6, 5, 4, 9, yellow, black);
        box(11, 1, 4, 13, red, black);
    } else if (key == QLatin1String("Players")) {
        box(2, 2, 5, 5, yellow, black);
        box(1, 8, 7, 6, blue, black);
        box(9, 2, 5, 5, yellow, black);
        box(8, 8, 7, 6, red, black);
    } else if (key == QLatin1String("Sounds")) {
        box(1, 5, 4, 5, grey, black);
        p.setPen(black);
        p.drawLine(5, 5, 8, 2), p.drawLine(5, 9, 8, 12), p.drawLine(8, 2, 8, 12);
        p.fillRect(6, 5, 2, 5, grey);
        p.fillRect(6, 4, 1, 1, grey), p.fillRect(6, 10, 1, 1, grey);
        p.setPen(navy);
        p.drawLine(10, 6, 10, 8);
        p.drawLine(12, 4, 12, 10);
        p.drawLine(14, 2, 14, 12);
    } else if (key == QLatin1String("About")) {
        box(1, 0, 14, 15, blue, navy);
        p.fillRect(7, 3, 2, 2, white);
        p.fillRect(7, 6, 2, 6, white);
        p.fillRect(6, 6, 1, 1, white);
        p.fillRect(6, 11, 4, 1, white);
    } else if (key == QLatin1String("Exit")) {
        box(2, 1, 7, 13, maroon, black);
        p.fillRect(7, 7, 1, 1, yellow);
        p.fillRect(9, 7, 5, 1, green);
        p.setPen(green);
        p.drawLine(11, 5, 13, 7), p.drawLine(11, 9, 13, 7);
        p.drawLine(12, 5, 14, 7), p.drawLine(12, 9, 14, 7);
    }
    p.end();
    return img;
}
