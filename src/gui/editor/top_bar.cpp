#include "gui/editor/top_bar.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>

#include "gui/common/twips.h"

namespace ruvo::gui {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("TopBar", text); }

template <typename W>
W* named(W* widget, const char* name, const char* tip) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setToolTip(tr(tip));
  return widget;
}

QPushButton* button(const char* name, const char* caption, const char* tip) {
  auto* b = new QPushButton(tr(caption));
  b->setFocusPolicy(Qt::NoFocus);
  // As narrow as the caption allows: the lyric line gets the room.
  b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
  b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
  b->setMaximumWidth(b->minimumWidth());
  return named(b, name, tip);
}

QToolButton* transport(const char* name, QStyle::StandardPixmap icon) {
  auto* b = new QToolButton;
  b->setObjectName(QString::fromUtf8(name));
  b->setIcon(b->style()->standardIcon(icon));
  b->setAutoRaise(false);
  b->setFocusPolicy(Qt::NoFocus);
  b->setEnabled(false);  // until it follows its menu item
  return b;
}

QLabel* caption(const char* text, QWidget* buddy) {
  auto* label = new QLabel(tr(text));
  label->setBuddy(buddy);
  label->setToolTip(buddy->toolTip());
  return label;
}

QComboBox* chooser(const char* name, const char* tip, const std::vector<std::pair<const char*, int>>& items) {
  auto* combo = new QComboBox;
  for (auto [text, ticks] : items) combo->addItem(tr(text), ticks);
  combo->setCurrentIndex(2);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  combo->setFocusPolicy(Qt::ClickFocus);
  return named(combo, name, tip);
}

}  // namespace

TopBar buildTopBar(QWidget* parent, int height) {
  QFont font(QStringLiteral("Noto Sans CJK JP"));
  font.setPointSize(9);
  parent->setFont(font);
  TopBar bar;
  bar.bar = new QWidget(parent);
  bar.bar->setObjectName(QStringLiteral("TopBar"));
  bar.bar->setGeometry(0, 0, parent->width(), height);
  auto* row = new QHBoxLayout(bar.bar);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(4);

  bar.tempo = named(new QLineEdit(QStringLiteral("120.0")), "txtTempo",
                    QT_TRANSLATE_NOOP("TopBar", "曲の始めのテンポ（1分間の拍数）"));
  bar.tempo->setFixedWidth(bar.tempo->fontMetrics().horizontalAdvance(QStringLiteral("0000.00")) + 10);
  bar.quantize = chooser("cmbQuntize", QT_TRANSLATE_NOOP("TopBar", "ノートの長さを変えるときの単位"),
                         {{QT_TRANSLATE_NOOP("TopBar", "L64 64分音符"), 120}, {QT_TRANSLATE_NOOP("TopBar", "L48 3連32分"), 160},
                          {QT_TRANSLATE_NOOP("TopBar", "L32 32分音符"), 240}, {QT_TRANSLATE_NOOP("TopBar", "L24 3連16分"), 320},
                          {QT_TRANSLATE_NOOP("TopBar", "L16 16分音符"), 480}, {QT_TRANSLATE_NOOP("TopBar", "L12 3連8分"), 640},
                          {QT_TRANSLATE_NOOP("TopBar", "L8  8分音符"), 960}, {QT_TRANSLATE_NOOP("TopBar", "L6  3連4分"), 1280},
                          {QT_TRANSLATE_NOOP("TopBar", "L4  4分音符"), 1920}});
  bar.lyricLine = named(new QLineEdit, "Text2",
                        QT_TRANSLATE_NOOP("TopBar", "歌詞を入力して「挿入」か「置換」を押します。ダブルクリックで1行1語に編集します。"));
  bar.lyricLine->setMinimumWidth(120);
  bar.lyricLength = chooser("Combo1", QT_TRANSLATE_NOOP("TopBar", "歌詞の入力で作るノートとダブルクリックで描くノートの長さ"),
                            {{QT_TRANSLATE_NOOP("TopBar", "L2  ２分音符"), 3840}, {QT_TRANSLATE_NOOP("TopBar", "L3  ３連２分"), 2560},
                             {QT_TRANSLATE_NOOP("TopBar", "L4  ４分音符"), 1920}, {QT_TRANSLATE_NOOP("TopBar", "L6  ３連４分"), 1280},
                             {QT_TRANSLATE_NOOP("TopBar", "L8  ８分音符"), 960}, {QT_TRANSLATE_NOOP("TopBar", "L12 ３連８分"), 640},
                             {QT_TRANSLATE_NOOP("TopBar", "L16 16分音符"), 480}});
  // The edit controller enables the lyric buttons once it has wired them.
  bar.lyricReplace = button("cmdLyricRepl", QT_TRANSLATE_NOOP("TopBar", "置換"),
                            QT_TRANSLATE_NOOP("TopBar", "選択したノートの歌詞を入力した歌詞で置き換えます"));
  bar.lyricInsert = button("cmdLyricIns", QT_TRANSLATE_NOOP("TopBar", "挿入"),
                           QT_TRANSLATE_NOOP("TopBar", "入力した歌詞のノートを選択したノートの前に挿入します"));
  bar.lyricReplace->setEnabled(false);
  bar.lyricInsert->setEnabled(false);
  bar.play = transport("lblPlay", QStyle::SP_MediaPlay);
  bar.pause = transport("lblPause", QStyle::SP_MediaPause);
  bar.stop = transport("lblStop", QStyle::SP_MediaStop);
  bar.zoomIn = button("cmdZoomIn", QT_TRANSLATE_NOOP("TopBar", "拡"), QT_TRANSLATE_NOOP("TopBar", "拡大"));
  bar.zoomOut = button("cmdZoomOut", QT_TRANSLATE_NOOP("TopBar", "縮"), QT_TRANSLATE_NOOP("TopBar", "縮小"));
  bar.goTop = button("cmdGoTop", QT_TRANSLATE_NOOP("TopBar", "始"), QT_TRANSLATE_NOOP("TopBar", "先頭へ移動"));
  bar.goEnd = button("cmdGoEnd", QT_TRANSLATE_NOOP("TopBar", "終"), QT_TRANSLATE_NOOP("TopBar", "最後へ移動"));

  auto* tempoCaption = caption("Tempo", bar.tempo);
  tempoCaption->setObjectName(QStringLiteral("lblTempo"));
  row->addWidget(tempoCaption);
  row->addWidget(bar.tempo);
  row->addSpacing(4);
  row->addWidget(caption(QT_TRANSLATE_NOOP("TopBar", "クォンタイズ"), bar.quantize));
  row->addWidget(bar.quantize);
  row->addSpacing(4);
  row->addWidget(caption(QT_TRANSLATE_NOOP("TopBar", "歌詞"), bar.lyricLine));
  row->addWidget(bar.lyricLine, 1);
  row->addWidget(caption(QT_TRANSLATE_NOOP("TopBar", "長さ"), bar.lyricLength));
  row->addWidget(bar.lyricLength);
  row->addWidget(bar.lyricReplace);
  row->addWidget(bar.lyricInsert);
  row->addSpacing(6);
  for (QWidget* w : {static_cast<QWidget*>(bar.play), static_cast<QWidget*>(bar.pause), static_cast<QWidget*>(bar.stop)})
    row->addWidget(w);
  row->addSpacing(6);
  for (QWidget* w : {bar.zoomIn, bar.zoomOut, bar.goTop, bar.goEnd}) row->addWidget(w);
  return bar;
}

void followAction(QToolButton* button, QAction* action) {
  auto sync = [button, action] {
    button->setEnabled(action->isEnabled());
    QString name = action->text();
    name.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
    const QString key = action->shortcut().toString(QKeySequence::NativeText);
    button->setToolTip(key.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, key));
  };
  sync();
  QObject::connect(action, &QAction::changed, button, sync);
  QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
}

}  // namespace ruvo::gui
