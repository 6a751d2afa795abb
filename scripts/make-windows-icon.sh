#!/usr/bin/env bash
# Makes the Windows program's icon packaging/windows/velni2qx.ico from the
# application icon packaging/velni2qx.svg, at 16, 24, 32, 48 and 256 pixels: run it
# after the SVG changes and commit the result (the Windows build has no SVG renderer).
# Needs qt6-base-dev, qt6-svg-dev (its image plugin reads the SVG) and ImageMagick.
set -euo pipefail
project=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/icon.cpp" <<'PROGRAM'
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  for (int size : {16, 24, 32, 48, 256}) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    image.save(QString("%1/icon-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size, 3, 10, QChar('0')));
  }
}
PROGRAM
g++ -std=c++20 -fPIC "$work/icon.cpp" -o "$work/icon" $(pkg-config --cflags --libs Qt6Gui Qt6Svg)
QT_QPA_PLATFORM=offscreen "$work/icon" "$project/packaging/velni2qx.svg" "$work"
convert "$work"/icon-*.png "$project/packaging/windows/velni2qx.ico"
