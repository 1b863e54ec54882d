#include "ui/symbol_pictures.h"

#include "config/aprs_symbols.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace wl3::ui {

namespace {

// Every picture is drawn on a grid of 32 by 32 units, scaled to the size asked for.
constexpr qreal kGrid = 32;

QColor kindColour(SymbolKind kind) {
    switch (kind) {
    case SymbolKind::Vehicle:
        return {0x1F, 0x5F, 0xBF};
    case SymbolKind::Aircraft:
        return {0x6A, 0x3F, 0xB5};
    case SymbolKind::Boat:
        return {0x0B, 0x6E, 0x8A};
    case SymbolKind::Person:
        return {0xC8, 0x6A, 0x12};
    case SymbolKind::Building:
        return {0x8A, 0x5A, 0x2B};
    case SymbolKind::Station:
        return {0x2E, 0x7D, 0x32};
    case SymbolKind::Weather:
        return {0x1E, 0x88, 0xC0};
    case SymbolKind::Emergency:
        return {0xC6, 0x28, 0x28};
    case SymbolKind::Software:
        return {0x37, 0x47, 0x4F};
    case SymbolKind::Place:
        break;
    }
    return {0x61, 0x61, 0x61};
}

// The shapes a picture is made of, each drawn white on the badge; the badge's colour cuts
// details into them.
enum class Glyph {
    Car,
    Truck,
    Bus,
    TwoWheels,
    Plane,
    Helicopter,
    Balloon,
    Sailboat,
    Boat,
    Person,
    House,
    Antenna,
    Star,
    Cloud,
    Sun,
    Cross,
    Pin,
    Screen,
    Character, // the symbol's own character, as the numbered circles show it
};

Glyph vehicleGlyph(char symbol) {
    switch (symbol) {
    case 'k':
    case 'u':
    case 'F':
        return Glyph::Truck;
    case 'U':
    case 'R':
    case '=':
    case 'v':
        return Glyph::Bus;
    case '<':
    case 'b':
        return Glyph::TwoWheels;
    default:
        return Glyph::Car;
    }
}

Glyph glyphOf(const AprsSymbol& meaning, bool primary, char symbol) {
    switch (meaning.kind) {
    case SymbolKind::Vehicle:
        return vehicleGlyph(symbol);
    case SymbolKind::Aircraft:
        if (symbol == 'X') {
            return Glyph::Helicopter;
        }
        return symbol == 'O' ? Glyph::Balloon : Glyph::Plane;
    case SymbolKind::Boat:
        return symbol == 'Y' && primary ? Glyph::Sailboat : Glyph::Boat;
    case SymbolKind::Person:
        return Glyph::Person;
    case SymbolKind::Building:
        return Glyph::House;
    case SymbolKind::Station:
        return symbol == '#' ? Glyph::Star : Glyph::Antenna;
    case SymbolKind::Weather:
        return symbol == 'U' && !primary ? Glyph::Sun : Glyph::Cloud;
    case SymbolKind::Emergency:
        return Glyph::Cross;
    case SymbolKind::Software:
        return Glyph::Screen;
    case SymbolKind::Place:
        break;
    }
    return primary && symbol >= '0' && symbol <= '9' ? Glyph::Character : Glyph::Pin;
}

void wheel(QPainter& painter, QPointF centre, const QColor& badge) {
    painter.setBrush(badge);
    painter.drawEllipse(centre, 3.6, 3.6);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, 2.4, 2.4);
}

void drawCar(QPainter& painter, const QColor& badge) {
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 14, 24, 8), 2, 2);
    body.addPolygon(QPolygonF({{9, 14.5}, {12, 9}, {20, 9}, {24, 14.5}}));
    painter.drawPath(body.simplified());
    painter.setBrush(badge);
    painter.drawRect(QRectF(12.5, 10.5, 7, 3.5));
    wheel(painter, {10, 22}, badge);
    wheel(painter, {22, 22}, badge);
}

void drawTruck(QPainter& painter, const QColor& badge) {
    painter.drawRect(QRectF(3, 8, 16, 13));
    painter.drawPolygon(QPolygonF({{20, 12}, {25, 12}, {29, 16}, {29, 21}, {20, 21}}));
    wheel(painter, {8, 22}, badge);
    wheel(painter, {24, 22}, badge);
}

void drawBus(QPainter& painter, const QColor& badge) {
    painter.drawRoundedRect(QRectF(3, 9, 26, 12), 2, 2);
    painter.setBrush(badge);
    for (int x = 6; x < 26; x += 6) {
        painter.drawRect(QRectF(x, 11, 4, 4));
    }
    wheel(painter, {9, 22}, badge);
    wheel(painter, {23, 22}, badge);
}

void drawTwoWheels(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2.2));
    painter.drawEllipse(QPointF(9, 20), 5, 5);
    painter.drawEllipse(QPointF(23, 20), 5, 5);
    painter.drawPolyline(QPolygonF({{9, 20}, {14, 12}, {21, 12}, {23, 20}}));
    painter.drawLine(QPointF(14, 12), QPointF(16, 20));
    painter.drawLine(QPointF(19, 9), QPointF(21, 12));
}

void drawPlane(QPainter& painter) {
    painter.drawPolygon(QPolygonF({{16, 3},
                                   {18, 6},
                                   {18, 13},
                                   {29, 19},
                                   {29, 21},
                                   {18, 18},
                                   {18, 25},
                                   {22, 28},
                                   {22, 29},
                                   {16, 27.5},
                                   {10, 29},
                                   {10, 28},
                                   {14, 25},
                                   {14, 18},
                                   {3, 21},
                                   {3, 19},
                                   {14, 13},
                                   {14, 6}}));
}

void drawHelicopter(QPainter& painter, const QColor& badge) {
    painter.drawEllipse(QRectF(6, 12, 13, 10));
    painter.drawRect(QRectF(18, 15, 10, 2.5));
    painter.drawRect(QRectF(26, 12, 2.5, 8));
    painter.drawRect(QRectF(3, 8, 20, 2));
    painter.drawRect(QRectF(11.5, 9, 2, 4));
    painter.drawRect(QRectF(6, 24, 13, 1.8));
    painter.setBrush(badge);
    painter.drawEllipse(QRectF(8, 14, 5, 4));
}

void drawBalloon(QPainter& painter) {
    painter.drawEllipse(QRectF(7, 3, 18, 19));
    painter.drawPolygon(QPolygonF({{10, 18}, {22, 18}, {17.5, 24}, {14.5, 24}}));
    painter.drawRect(QRectF(13.5, 25, 5, 4));
}

void drawBoat(QPainter& painter, bool sail) {
    painter.drawPolygon(QPolygonF({{3, 20}, {29, 20}, {24, 27}, {8, 27}}));
    if (sail) {
        painter.drawPolygon(QPolygonF({{17, 3}, {17, 18}, {27, 18}}));
        painter.drawPolygon(QPolygonF({{15, 6}, {15, 18}, {7, 18}}));
    } else {
        painter.drawRect(QRectF(9, 13, 12, 6));
        painter.drawRect(QRectF(12, 8, 3, 5));
    }
}

void drawPerson(QPainter& painter) {
    painter.drawEllipse(QPointF(16, 7), 4, 4);
    painter.drawRoundedRect(QRectF(11, 12, 10, 10), 3, 3);
    painter.drawRect(QRectF(12, 20, 3, 9));
    painter.drawRect(QRectF(17, 20, 3, 9));
}

void drawHouse(QPainter& painter, const QColor& badge) {
    painter.drawPolygon(QPolygonF({{3, 16}, {16, 4}, {29, 16}}));
    painter.drawRect(QRectF(7, 15, 18, 13));
    painter.setBrush(badge);
    painter.drawRect(QRectF(14, 20, 5, 8));
}

void drawAntenna(QPainter& painter) {
    painter.drawPolygon(QPolygonF({{16, 8}, {21, 29}, {11, 29}}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (const qreal radius : {5.5, 10.0}) {
        const QRectF arc(16 - radius, 8 - radius, 2 * radius, 2 * radius);
        painter.drawArc(arc, 30 * 16, 120 * 16);
    }
}

void drawStar(QPainter& painter) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 13 : 5.5;
        const qreal angle = std::numbers::pi * (i / 5.0 - 0.5);
        star << QPointF(16 + radius * std::cos(angle), 17 + radius * std::sin(angle));
    }
    painter.drawPolygon(star);
}

void drawCloud(QPainter& painter) {
    QPainterPath cloud;
    cloud.addEllipse(QPointF(10, 18), 6, 6);
    cloud.addEllipse(QPointF(17, 13), 7.5, 7.5);
    cloud.addEllipse(QPointF(23, 18), 6, 6);
    cloud.addRect(QRectF(10, 16, 13, 8));
    painter.drawPath(cloud.simplified());
}

void drawSun(QPainter& painter) {
    painter.drawEllipse(QPointF(16, 16), 7, 7);
    painter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = std::numbers::pi * i / 4;
        painter.drawLine(QPointF(16 + 10 * std::cos(angle), 16 + 10 * std::sin(angle)),
                         QPointF(16 + 13 * std::cos(angle), 16 + 13 * std::sin(angle)));
    }
}

void drawCross(QPainter& painter) {
    painter.drawRect(QRectF(12.5, 5, 7, 22));
    painter.drawRect(QRectF(5, 12.5, 22, 7));
}

void drawPin(QPainter& painter, const QColor& badge) {
    QPainterPath pin;
    pin.addEllipse(QPointF(16, 12), 8, 8);
    pin.addPolygon(QPolygonF({{9.5, 16}, {22.5, 16}, {16, 28}}));
    painter.drawPath(pin.simplified());
    painter.setBrush(badge);
    painter.drawEllipse(QPointF(16, 12), 3.2, 3.2);
}

void drawScreen(QPainter& painter, const QColor& badge) {
    painter.drawRoundedRect(QRectF(5, 6, 22, 16), 1.5, 1.5);
    painter.drawRect(QRectF(13, 22, 6, 3));
    painter.drawRect(QRectF(9, 25, 14, 2.5));
    painter.setBrush(badge);
    painter.drawRect(QRectF(7.5, 8.5, 17, 11));
}

void drawCharacter(QPainter& painter, QChar character, QRectF box, qreal pixels,
                   const QColor& colour) {
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, QString(character));
}

void drawGlyph(QPainter& painter, Glyph glyph, const QColor& badge, char symbol) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    switch (glyph) {
    case Glyph::Car:
        return drawCar(painter, badge);
    case Glyph::Truck:
        return drawTruck(painter, badge);
    case Glyph::Bus:
        return drawBus(painter, badge);
    case Glyph::TwoWheels:
        return drawTwoWheels(painter);
    case Glyph::Plane:
        return drawPlane(painter);
    case Glyph::Helicopter:
        return drawHelicopter(painter, badge);
    case Glyph::Balloon:
        return drawBalloon(painter);
    case Glyph::Sailboat:
    case Glyph::Boat:
        return drawBoat(painter, glyph == Glyph::Sailboat);
    case Glyph::Person:
        return drawPerson(painter);
    case Glyph::House:
        return drawHouse(painter, badge);
    case Glyph::Antenna:
        return drawAntenna(painter);
    case Glyph::Star:
        return drawStar(painter);
    case Glyph::Cloud:
        return drawCloud(painter);
    case Glyph::Sun:
        return drawSun(painter);
    case Glyph::Cross:
        return drawCross(painter);
    case Glyph::Pin:
        return drawPin(painter, badge);
    case Glyph::Screen:
        return drawScreen(painter, badge);
    case Glyph::Character:
        break;
    }
    drawCharacter(painter, QLatin1Char(symbol), QRectF(0, 0, kGrid, kGrid), 20, Qt::white);
}

// A pair that stands for nothing: an empty dashed frame around a question mark.
void drawUnassigned(QPainter& painter) {
    const QColor grey(0x75, 0x75, 0x75);
    painter.setPen(QPen(grey, 1.6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 2, 28, 28), 5, 5);
    drawCharacter(painter, u'?', QRectF(0, 0, kGrid, kGrid), 18, grey);
}

// The overlay character on a white tab at the badge's lower right, where it hides least.
void drawOverlay(QPainter& painter, char overlay) {
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(17, 17, 14, 14), 2.5, 2.5);
    drawCharacter(painter, QLatin1Char(overlay), QRectF(17, 17, 14, 14), 12, Qt::black);
}

} // namespace

QPixmap symbolPicture(char table, char symbol, int size, qreal devicePixelRatio) {
    const int pixels = static_cast<int>(std::lround(size * devicePixelRatio));
    QPixmap picture(pixels, pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixels / kGrid, pixels / kGrid);
    const SymbolMeaning meaning = symbolMeaning(table, symbol);
    if (meaning.symbol == nullptr) {
        drawUnassigned(painter);
    } else {
        const bool primary = table == kPrimaryTable;
        const QColor badge = kindColour(meaning.symbol->kind);
        painter.setPen(Qt::NoPen);
        painter.setBrush(badge);
        if (primary) {
            painter.drawEllipse(QRectF(0.5, 0.5, kGrid - 1, kGrid - 1));
        } else {
            painter.drawRoundedRect(QRectF(0.5, 0.5, kGrid - 1, kGrid - 1), 5, 5);
        }
        painter.save();
        // The glyph a little inside the badge, whose round edge would cut its corners.
        painter.translate(kGrid / 2, kGrid / 2);
        painter.scale(0.72, 0.72);
        painter.translate(-kGrid / 2, -kGrid / 2);
        drawGlyph(painter, glyphOf(*meaning.symbol, primary, symbol), badge, symbol);
        painter.restore();
        if (meaning.overlay != '\0') {
            drawOverlay(painter, meaning.overlay);
        }
    }
    painter.end();
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

namespace {

// Draws the picture at the size a list or a button asks for, when it asks: a window that
// never shows a symbol draws none, and a screen of 200 % gets one drawn at 200 %.
class SymbolIconEngine : public QIconEngine {
public:
    SymbolIconEngine(char table, char symbol) : table_(table), symbol_(symbol) {}

    QIconEngine* clone() const override { return new SymbolIconEngine(*this); }

    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/,
                         qreal scale) override {
        QPixmap picture =
            symbolPicture(table_, symbol_, std::min(size.width(), size.height()), scale);
        if (mode != QIcon::Disabled || QApplication::style() == nullptr) {
            return picture;
        }
        QStyleOption option;
        return QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, scaledPixmap(rect.size(), mode, state, scale));
    }

private:
    char table_;
    char symbol_;
};

} // namespace

QIcon symbolIcon(char table, char symbol) {
    return QIcon(new SymbolIconEngine(table, symbol));
}

} // namespace wl3::ui
