#pragma once

#include "ReportModel.h"

// Short builders of the report elements, so that a document reads as its layout.
namespace kit::report::make {

inline Element text(const QString& t, QRectF rect, double pointSize = 9, bool bold = false) {
  Element e;
  e.text = t;
  e.rect = rect;
  e.font.pointSize = pointSize;
  e.font.bold = bold;
  return e;
}

inline Element field(const QString& column, QRectF rect, bool bold = false) {
  Element e;
  e.kind = Element::Kind::Field;
  e.field = column;
  e.rect = rect;
  e.font.bold = bold;
  return e;
}

inline Element computed(std::function<QString(const RowSource&)> compute, QRectF rect, bool bold = false) {
  Element e;
  e.kind = Element::Kind::Field;
  e.compute = std::move(compute);
  e.rect = rect;
  e.font.bold = bold;
  return e;
}

// "{page}" and "{pages}" in the text become the page number and count.
inline Element pageInfo(const QString& pattern, QRectF rect,
                        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
  Element e;
  e.kind = Element::Kind::PageInfo;
  e.text = pattern;
  e.rect = rect;
  e.alignment = alignment;
  return e;
}

inline Element hline(double y, double width) {
  Element e;
  e.kind = Element::Kind::Line;
  e.rect = {0, y, width, 0};
  return e;
}

}  // namespace kit::report::make
