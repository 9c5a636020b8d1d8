#include "gui/editor/edit_controller.h"

#include <exception>

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/guarded_command.h"
#include "gui/editor/edit_box_dialog.h"
#include "gui/editor/lyric_box.h"
#include "gui/editor/editor_view.h"
#include "gui/editor/piano_roll_view.h"
#include "gui/common/qt_text.h"

namespace ruvo::gui {

namespace {

using Command = EditResult (EditSession::*)();

// Commands of notes alone.
const std::pair<const char*, Command> kNoteCommands[] = {
    {"mnUndo", &EditSession::undo},
    {"mnRedo", &EditSession::redo},
    {"mnDelete", &EditSession::deleteSelection},
    {"mnToneDel", &EditSession::deleteSelection},
    {"mnInsert", &EditSession::insertRest},
    {"mnToneIns", &EditSession::insertAskedNote},
    {"mnMoveUp", &EditSession::moveUp},
    {"mnMoveDown", &EditSession::moveDown},
    {"mnMoveNote", &EditSession::moveByAmount},
    {"mnNoteMerge", &EditSession::merge},
    {"mnQuontize", &EditSession::quantize},
    {"mnRemoveR", &EditSession::removeRests},
    {"mnReleaseSelect", &EditSession::releaseSelection},
};

// Commands that a focused text box takes for its own text.
struct TextBoxCommand {
  const char* name;
  Command notes;
  void (*text)(QLineEdit*);
};
const TextBoxCommand kTextBoxCommands[] = {
    {"mnCut", &EditSession::cut, [](QLineEdit* box) { box->cut(); }},
    {"mnToneCut", &EditSession::cut, [](QLineEdit* box) { box->cut(); }},
    {"mnCopy", &EditSession::copy, [](QLineEdit* box) { box->copy(); }},
    {"mnToneCpy", &EditSession::copy, [](QLineEdit* box) { box->copy(); }},
    {"mnPaste", &EditSession::paste, [](QLineEdit* box) { box->paste(); }},
    {"mnTonePaste", &EditSession::paste, [](QLineEdit* box) { box->paste(); }},
    {"mnSelectAll", &EditSession::selectAll, [](QLineEdit* box) { box->selectAll(); }},
    {"mnSelectAll2", &EditSession::selectAll, [](QLineEdit* box) { box->selectAll(); }},
};

}  // namespace

EditController::EditController(EditorView& view, ProjectSession& session, EditSession& edits)
    : QObject(nullptr),
      m_view(view), m_session(session), m_edits(edits),
      m_lyricBox(new LyricBox(
          view.roll(),
          [this](const QString& text, LyricBoxExit exit) {
            run([this, lyric = utf8(text), exit] { return m_edits.commitLyricBox(lyric, exit); });
          },
          this)) {
  m_lyricBox->box()->setFont(view.roll()->labelFont());
  connectCommands();
  for (QLineEdit* box : {m_lyricBox->box(), view.topBar().lyricLine, view.topBar().tempo})
    box->installEventFilter(this);
}

EditController::~EditController() = default;

void EditController::connectCommands() {
  const MainMenus& menus = m_view.menus();
  for (const auto& entry : kNoteCommands) {
    const Command command = entry.second;
    QAction* action = menus.action(QString::fromUtf8(entry.first));
    connect(action, &QAction::triggered, this,
            [this, command] { run([this, command] { return (m_edits.*command)(); }); });
    // The undo and redo items follow the journal (the window hears the edits).
    if (command != &EditSession::undo && command != &EditSession::redo) action->setEnabled(true);
  }
  for (const auto& command : kTextBoxCommands) {
    QAction* action = menus.action(QString::fromUtf8(command.name));
    connect(action, &QAction::triggered, this, [this, command] {
      if (QLineEdit* box = focusedTextBox())
        command.text(box);
      else
        run([this, notes = command.notes] { return (m_edits.*notes)(); });
    });
    action->setEnabled(true);
  }

  const TopBar& bar = m_view.topBar();
  bar.lyricInsert->setEnabled(true);
  bar.lyricReplace->setEnabled(true);
  connect(bar.lyricInsert, &QPushButton::clicked, this, [this] {
    run([this] { return m_edits.insertPhrase(utf8(m_view.topBar().lyricLine->text())); });
  });
  connect(bar.lyricReplace, &QPushButton::clicked, this, [this] {
    run([this] { return m_edits.replacePhrase(utf8(m_view.topBar().lyricLine->text())); });
  });
  m_edits.setDefaultLength(bar.lyricLength->currentData().toInt());
  connect(bar.lyricLength, &QComboBox::currentIndexChanged, this, [this] {
    m_edits.setDefaultLength(m_view.topBar().lyricLength->currentData().toInt());
  });
}

void EditController::run(const std::function<EditResult()>& command) {
  // The edits announce what a command changed; a failed command may have
  // changed anything before it stopped, so all of the song is shown.
  if (!runGuarded(m_session.settings().DebugMode, m_session.services().prompts, [&] { command(); }))
    m_edits.announce(EditResult{NoteSpan::fromOn(0), true, true});
}

QLineEdit* EditController::focusedTextBox() const {
  QWidget* focus = m_view.widget()->focusWidget();
  const TopBar& bar = m_view.topBar();
  for (QLineEdit* box : {m_lyricBox->box(), bar.lyricLine, bar.tempo})
    if (focus == box) return box;
  return nullptr;
}

void EditController::openLyricBox(int index) {
  const Song& song = m_session.song();
  if (index < 0 || index >= song.noteCount) return;
  m_edits.selectForLyric(index);
  m_lyricBox->open(m_view.roll()->labelAt(index).geometry, qs(song[index].lyric));
}

void EditController::closeLyricBox() { m_lyricBox->close(); }

void EditController::discardLyricBox() { m_lyricBox->discard(); }

bool EditController::lyricBoxOpen() const { return m_lyricBox->isOpen(); }

void EditController::editLyricLine() {
  QLineEdit* line = m_view.topBar().lyricLine;
  line->setText(EditBoxDialog::editPhrase(m_view.widget(), line->text()));
}

bool EditController::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && watched == m_view.topBar().lyricLine) {
    editLyricLine();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    // A text box takes Ctrl+Z and Ctrl+Y for its own typing; here they undo
    // and redo the song.
    const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const char* name : {"mnUndo", "mnRedo"}) {
      QAction* item = m_view.menus().action(QString::fromUtf8(name));
      if (item->shortcuts().contains(key)) {
        if (item->isEnabled()) item->trigger();
        return true;
      }
    }
  }
  return false;
}

}  // namespace ruvo::gui
