// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main/PaletteIcon.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QSvgRenderer>

namespace {
class PaletteIconEngine : public QIconEngine {
public:
    explicit PaletteIconEngine(QString resource) : m_resource(std::move(resource)) {
        QFile f(m_resource);
        if (f.open(QIODevice::ReadOnly)) m_svg = f.readAll();
    }
    QIconEngine* clone() const override { return new PaletteIconEngine(*this); }
    QString key() const override { return QStringLiteral("PaletteIconEngine"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QGuiApplication::palette();
        const QColor colour = mode == QIcon::Disabled
                                  ? palette.color(QPalette::Disabled, QPalette::WindowText)
                              : mode == QIcon::Selected ? palette.color(QPalette::HighlightedText)
                                                        : palette.color(QPalette::WindowText);
        QByteArray svg = m_svg;
        svg.replace("currentColor", colour.name().toLatin1());
        QSvgRenderer renderer(svg);
        renderer.render(painter, rect);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

private:
    QString m_resource;
    QByteArray m_svg;
};
}  // namespace

QIcon paletteIcon(const QString& svgResource) { return QIcon(new PaletteIconEngine(svgResource)); }
