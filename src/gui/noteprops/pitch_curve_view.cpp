#include "gui/noteprops/pitch_curve_view.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>

#include "gui/common/twips.h"

namespace ruvo::gui {

namespace {

constexpr double kTwips = kTwipsPerPixel;
const QColor kSelected(255, 0, 0);
const QColor kPlain(0, 0, 255);
constexpr double kSemitone = 450;  // twips between semitone lines
constexpr double kTenthSecond = 0.1;

double px(double twips) { return twips / kTwips; }

}  // namespace

PitchCurveView::PitchCurveView(PitchCurveForm& form, QWidget* parent) : QWidget(parent), m_form(form) {
  setObjectName(QStringLiteral("Form2Surface"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(300, 200);
}

double PitchCurveView::heightTwips() const { return height() * kTwips + PitchCurveForm::kBottomStrip; }
double PitchCurveView::widthTwips() const { return width() * kTwips; }

QRectF PitchCurveView::pointRect(int i) const {
  double size = m_form.pointSize();
  if (i == m_dragged) return QRectF(px(m_form.pointLeft(i)), px(m_form.pointTop(i, heightTwips())), px(480), px(240));
  return QRectF(px(m_form.pointLeft(i)), px(m_form.pointTop(i, heightTwips())), px(size), px(size));
}

std::pair<int, int> PitchCurveView::visiblePoints() const {
  // Point positions grow with the index: search the first and last on screen.
  const int last = m_form.highestIndex();
  auto firstFrom = [&](double twips) {
    int low = 0, high = last + 1;
    while (low < high) {
      int mid = (low + high) / 2;
      if (m_form.pointLeft(mid) < twips) low = mid + 1; else high = mid;
    }
    return low;
  };
  int first = std::max(0, firstFrom(-m_form.pointSize()) - 1);
  int end = std::min(last, firstFrom(widthTwips()));
  return {first, end};
}

int PitchCurveView::pointAt(QPointF position) const {
  if (!m_form.pointsShown()) return -1;
  auto [first, last] = visiblePoints();
  for (int i = last; i >= first; --i) {
    if (pointRect(i).contains(position)) return i;
  }
  return -1;
}

void PitchCurveView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintBands(painter);
  paintWave(painter);
  paintGrid(painter);
  paintTimes(painter);
  paintPoints(painter);
  if (m_banding) {
    painter.setPen(Qt::black);
    for (double line : {m_lineA, m_lineB}) painter.drawLine(QPointF(px(line), 0), QPointF(px(line), height()));
  }
}

void PitchCurveView::paintBands(QPainter& painter) const {
  const double pre = m_form.offsetX() + m_form.preUtteranceX();
  struct Band {
    double from, to;
    QColor colour;
  };
  const Band bands[] = {
      {-1e300, m_form.offsetX(), QColor(192, 192, 192)},
      {m_form.offsetX(), m_form.offsetX() + m_form.fixedX(), QColor(255, 192, 255)},
      {m_form.offsetX() + m_form.fixedX(), pre + m_form.lengthX(), QColor(255, 255, 255)},
      {pre + m_form.lengthX(), pre + m_form.fullWidth(), QColor(192, 192, 255)},
      {pre + m_form.fullWidth(), 1e300, QColor(192, 192, 192)},
  };
  for (const Band& band : bands) {
    double left = std::max(-1.0, px(m_form.screenX(band.from)));
    double right = std::min(width() + 1.0, px(m_form.screenX(band.to)));
    if (right > left) painter.fillRect(QRectF(left, 0, right - left, height()), band.colour);
  }
  painter.setPen(QColor(128, 128, 255));
  double start = px(m_form.screenX(pre));
  painter.drawLine(QPointF(start, 0), QPointF(start, height()));
}

void PitchCurveView::paintWave(QPainter& painter) const {
  const auto& wave = m_form.sound().wave;
  if (wave.empty()) return;
  painter.setPen(QColor(128, 192, 255));
  const double middle = height() / 2.0;
  const double scale = middle / 32768.0;
  // One vertical stroke per pixel column from the lowest to the highest sample in it.
  const double samplesPerPixel = kTwips * m_form.zoom() * PitchCurveForm::kSamplesPerUnit / PitchCurveForm::kUnitsPerFrame;
  const double firstX = m_form.screenX(m_form.waveX(0));
  for (int column = 0; column < width(); ++column) {
    double from = (column * kTwips - firstX) / kTwips * samplesPerPixel;
    double to = from + samplesPerPixel;
    if (to < 0 || from >= double(wave.size())) continue;
    size_t a = static_cast<size_t>(std::max(0.0, from));
    size_t b = std::min(wave.size(), static_cast<size_t>(std::max(1.0, std::ceil(to))));
    if (a >= b) continue;
    auto [low, high] = std::minmax_element(wave.begin() + long(a), wave.begin() + long(b));
    painter.drawLine(QPointF(column, middle - *high * scale), QPointF(column, middle - *low * scale));
  }
}

void PitchCurveView::paintGrid(QPainter& painter) const {
  const double zero = m_form.zeroLine(heightTwips());
  painter.setPen(QColor(128, 128, 128));
  for (int k = 1; k <= 6; ++k) {
    for (double y : {zero - k * kSemitone, zero + k * kSemitone}) painter.drawLine(QPointF(0, px(y)), QPointF(width(), px(y)));
  }
  painter.setPen(QColor(255, 0, 255));
  painter.drawLine(QPointF(0, px(zero)), QPointF(width(), px(zero)));
}

void PitchCurveView::paintTimes(QPainter& painter) const {
  const double start = m_form.offsetX() + m_form.preUtteranceX();
  const double step = kTenthSecond * m_form.sound().sampleRate * PitchCurveForm::kUnitsPerFrame / PitchCurveForm::kSamplesPerUnit;
  const int count = static_cast<int>(m_form.fullWidth() / step) * m_form.zoom();
  painter.setPen(Qt::black);
  for (int j = 0; j <= count; ++j) {
    double x = px(m_form.screenX(start + j * step) - 75);
    if (x > width()) break;
    if (x < -40) continue;
    painter.drawText(QPointF(x, painter.fontMetrics().ascent()), QString::number(j / 10.0, 'f', 1));
  }
}

void PitchCurveView::paintPoints(QPainter& painter) const {
  auto [first, last] = visiblePoints();
  const double half = m_form.pointSize() / 2;
  const double heightT = heightTwips();
  auto centre = [&](int i) {
    return QPointF(px(m_form.pointLeft(i) + half), px(m_form.pointTop(i, heightT) + half));
  };
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int i = first; i < std::min(last + 1, m_form.highestIndex()); ++i) {
    painter.setPen(m_form.selected(i) ? kSelected : kPlain);
    painter.drawLine(centre(i), centre(i + 1));
  }
  if (!m_form.pointsShown()) return;
  for (int i = first; i <= last; ++i) {
    QRectF square = pointRect(i);
    if (i == m_dragged) {
      painter.fillRect(square, Qt::white);
      painter.setPen(QColor(64, 64, 64));
      painter.drawText(square, Qt::AlignCenter,
                       QString::asprintf("%+05.1f", double(m_form.values()[size_t(i)])));
      continue;
    }
    painter.fillRect(square, m_form.selected(i) ? kSelected : kPlain);
  }
}

void PitchCurveView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  int hit = pointAt(event->position());
  if (hit >= 0) {
    m_form.pressPoint(hit, event->modifiers().testFlag(Qt::ShiftModifier));
    m_dragged = hit;
    m_pressY = event->position().y() * kTwips;
    m_pressTop = m_form.pointTop(hit, heightTwips());
  } else {
    m_banding = true;
    m_lineA = m_lineB = event->position().x() * kTwips;
  }
  emit changed();
  update();
}

void PitchCurveView::mouseMoveEvent(QMouseEvent* event) {
  if (m_dragged >= 0) {
    m_form.dragPoint(m_dragged, m_pressTop + event->position().y() * kTwips - m_pressY, heightTwips());
  } else if (m_banding) {
    m_lineB = event->position().x() * kTwips;
    m_form.selectBand(m_lineA, m_lineB);
  } else {
    return;
  }
  emit changed();
  update();
}

void PitchCurveView::mouseReleaseEvent(QMouseEvent*) {
  m_dragged = -1;
  m_banding = false;
  update();
}

}  // namespace ruvo::gui
