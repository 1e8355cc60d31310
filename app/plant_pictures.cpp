#include "app/plant_pictures.h"

#include "platform/qt/named_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace usina {

namespace {

const QColor steel(0x4a, 0x55, 0x60);
const QColor sheet(0xd5, 0xda, 0xdf);
const QColor machineYellow(0xe0, 0xa8, 0x00);
const QColor asphalt(0x2b, 0x2e, 0x33);

// Maps a drawing made on a `design` canvas into `area`, whole and centred, keeping its proportions.
void fitInto(QPainter& painter, const QRectF& area, const QSizeF& design) {
    const double scale = std::min(area.width() / design.width(), area.height() / design.height());
    painter.translate(area.center().x() - design.width() * scale / 2,
                      area.center().y() - design.height() * scale / 2);
    painter.scale(scale, scale);
}

void legs(QPainter& painter, double left, double right, double top, double ground) {
    painter.drawLine(QLineF(left, top, left, ground));
    painter.drawLine(QLineF(right, top, right, ground));
}

// Cold-feed bins over their collecting belt, the inclined belt, the dryer drum with its burner, the
// bag filter and its stack, the hot elevator, the storage silo and the asphalt tank.
void paintPlant(QPainter& painter, const QRectF& area) {
    constexpr double ground = 58;
    fitInto(painter, area, QSizeF(530, 60));
    painter.setPen(QPen(steel, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    painter.setBrush(sheet);
    for (int bin = 0; bin < 5; ++bin) {
        const double x = 6 + bin * 30;
        painter.drawPolygon(QPolygonF({{x, 8}, {x + 26, 8}, {x + 17, 30}, {x + 9, 30}}));
        legs(painter, x + 3, x + 23, 15, 38);
    }
    painter.drawRoundedRect(QRectF(2, 38, 158, 5), 2.5, 2.5);
    painter.drawLine(QLineF(160, 40, 214, 14));
    painter.drawLine(QLineF(160, 43, 214, 17));

    painter.save();
    painter.translate(275, 21);
    painter.rotate(-3);
    QLinearGradient drumShade(0, -9, 0, 9);
    drumShade.setColorAt(0, machineYellow.lighter(130));
    drumShade.setColorAt(1, machineYellow.darker(115));
    painter.setBrush(drumShade);
    painter.drawRoundedRect(QRectF(-60, -9, 120, 18), 4, 4);
    painter.setBrush(steel);
    for (double ring : {-35.0, 30.0}) {
        painter.drawRect(QRectF(ring, -10, 4, 20));
    }
    painter.restore();
    painter.setBrush(sheet);
    painter.drawRect(QRectF(336, 12, 14, 14));
    legs(painter, 230, 320, 28, ground);

    painter.drawRect(QRectF(360, 8, 40, 28));
    painter.drawPolygon(QPolygonF({{360, 36}, {400, 36}, {384, 46}, {376, 46}}));
    legs(painter, 362, 398, 36, ground);
    painter.drawRect(QRectF(404, 1, 7, 36));

    painter.drawRect(QRectF(420, 3, 8, ground - 3));

    painter.drawRoundedRect(QRectF(440, 5, 30, 31), 3, 3);
    painter.drawPolygon(QPolygonF({{440, 36}, {470, 36}, {459, 45}, {451, 45}}));
    legs(painter, 442, 468, 36, ground);

    painter.setBrush(asphalt);
    painter.drawRoundedRect(QRectF(478, 38, 48, 16), 8, 8);
    legs(painter, 486, 518, 54, ground);

    painter.setPen(QPen(steel, 2));
    painter.drawLine(QLineF(0, ground, 530, ground));
}

// A road running into the distance, its centre line dashed, on an asphalt tile.
void paintLogo(QPainter& painter, const QRectF& area) {
    fitInto(painter, area, QSizeF(100, 100));
    QLinearGradient tile(0, 0, 0, 100);
    tile.setColorAt(0, asphalt.lighter(140));
    tile.setColorAt(1, asphalt);
    painter.setPen(QPen(steel, 2));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(2, 2, 96, 96), 14, 14);

    QPainterPath road;
    road.moveTo(12, 90);
    road.lineTo(45, 22);
    road.lineTo(55, 22);
    road.lineTo(88, 90);
    road.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x55, 0x5a, 0x61));
    painter.drawPath(road);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(12, 90, 45, 22));
    painter.drawLine(QLineF(88, 90, 55, 22));
    painter.setPen(QPen(machineYellow, 4, Qt::CustomDashLine, Qt::FlatCap));
    QPen dashes = painter.pen();
    dashes.setDashPattern({2.5, 2});
    painter.setPen(dashes);
    painter.drawLine(QLineF(50, 88, 50, 24));

    painter.setPen(Qt::NoPen);
    painter.setBrush(machineYellow);
    painter.drawEllipse(QPointF(50, 14), 6, 6);
}

} // namespace

void registerPlantPictures() {
    qt::registerNamedPicture(QStringLiteral("plant"), paintPlant);
    qt::registerNamedPicture(QStringLiteral("logo"), paintLogo);
}

} // namespace usina
