#pragma once
// The roll picture (Picture2): the background drawn into a retained image at
// the screen's pixel ratio, and one painted label per note index (Label1)
// laid out by editor/label_layout. Painting labels rather than making one
// widget per note keeps 10,000-note songs fast; labelAt() answers what a
// label widget would (box, colour, caption, Tag).

#include <QImage>
#include <QWidget>

#include "editor/edit_result.h"
#include "editor/label_layout.h"
#include "settings/settings.h"
#include "song/song_model.h"

namespace ruvo::gui {

struct LabelInfo {
  bool visible = false;
  QRect geometry;  // pixels, in the picture
  QColor background;
  QString caption;
  QString tag;
};

class PianoRollView final : public QWidget {
  Q_OBJECT
  Q_DISABLE_COPY_MOVE(PianoRollView)

 public:
  PianoRollView(const Song& song, const Settings& settings, QWidget* parent);

  RollView& view() { return m_view; }
  const RollView& view() const { return m_view; }
  RollSize rollSize() const;
  const LabelLayout& layout() const { return m_layout; }
  // Gestures change labels in place (band colours) and then call update().
  LabelLayout& layout() { return m_layout; }
  LabelInfo labelAt(int index) const;
  QFont labelFont() const;

  // Background and labels.
  void redraw();
  // Labels only (selection, tempo box).
  void layoutLabels();
  // The notes of `changed` were edited: lays the labels out again and
  // repaints only the labels that changed; the background stays.
  void redrawNotes(const NoteSpan& changed);
  // The song was cleared: labels beyond the first go.
  void clearLabels();
  // A dragged label's box (twips); repaints only where it was and is.
  void moveLabel(int index, int top, int width);

 signals:
  void laidOut();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void drawBackground();
  // The label layout for the song as it is now.
  void relayout();
  QColor colour(Colour which) const;

  const Song& m_song;
  const Settings& m_settings;
  RollView m_view;
  LabelLayout m_layout;
  QImage m_background;
  int m_laidOutCount = 0;  // the song's notes at the last layout
};

}  // namespace ruvo::gui
