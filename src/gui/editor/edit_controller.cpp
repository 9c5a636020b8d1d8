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
#include "gui/editor/main_window.h"
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

EditController::EditController(MainWindow& window)
    : QObject(nullptr),
      m_window(window),
      m_lyricBox(new LyricBox(
          window.roll(),
          [this](const QString& text, LyricBoxExit exit) {
            run([this, lyric = utf8(text), exit] { return m_window.edits().commitLyricBox(lyric, exit); });
          },
          this)) {
  m_lyricBox->box()->setFont(window.roll()->labelFont());
  connectCommands();
  for (QLineEdit* box : {m_lyricBox->box(), window.topBar().lyricLine, window.topBar().tempo})
    box->installEventFilter(this);
}

EditController::~EditController() = default;

void EditController::connectCommands() {
  const MainMenus& menus = m_window.menus();
  for (const auto& entry : kNoteCommands) {
    const Command command = entry.second;
    QAction* action = menus.action(QString::fromUtf8(entry.first));
    connect(action, &QAction::triggered, this,
            [this, command] { run([this, command] { return (m_window.edits().*command)(); }); });
    // The undo and redo items follow the journal (MainWindow::applyEdit).
    if (command != &EditSession::undo && command != &EditSession::redo) action->setEnabled(true);
  }
  for (const auto& command : kTextBoxCommands) {
    QAction* action = menus.action(QString::fromUtf8(command.name));
    connect(action, &QAction::triggered, this, [this, command] {
      if (QLineEdit* box = focusedTextBox())
        command.text(box);
      else
        run([this, notes = command.notes] { return (m_window.edits().*notes)(); });
    });
    action->setEnabled(true);
  }

  const TopBar& bar = m_window.topBar();
  bar.lyricInsert->setEnabled(true);
  bar.lyricReplace->setEnabled(true);
  connect(bar.lyricInsert, &QPushButton::clicked, this, [this] {
    run([this] { return m_window.edits().insertPhrase(utf8(m_window.topBar().lyricLine->text())); });
  });
  connect(bar.lyricReplace, &QPushButton::clicked, this, [this] {
    run([this] { return m_window.edits().replacePhrase(utf8(m_window.topBar().lyricLine->text())); });
  });
  m_window.edits().setDefaultLength(bar.lyricLength->currentData().toInt());
  connect(bar.lyricLength, &QComboBox::currentIndexChanged, this, [this] {
    m_window.edits().setDefaultLength(m_window.topBar().lyricLength->currentData().toInt());
  });
}

void EditController::run(const std::function<EditResult()>& command) {
  bool done = runGuarded(m_window.session().settings().DebugMode, m_window.services().prompts,
                         [&] { m_window.applyEdit(command()); });
  // The song stays as far as a failed command got: show all of it.
  if (!done) m_window.applyEdit(EditResult{NoteSpan::fromOn(0), true, true});
}

QLineEdit* EditController::focusedTextBox() const {
  QWidget* focus = m_window.focusWidget();
  const TopBar& bar = m_window.topBar();
  for (QLineEdit* box : {m_lyricBox->box(), bar.lyricLine, bar.tempo})
    if (focus == box) return box;
  return nullptr;
}

void EditController::openLyricBox(int index) {
  Song& song = m_window.session().song();
  if (index < 0 || index >= song.noteCount) return;
  song.selFirst = index;
  m_lyricBox->open(m_window.roll()->labelAt(index).geometry, qs(song[index].lyric));
}

void EditController::closeLyricBox() { m_lyricBox->close(); }

void EditController::discardLyricBox() { m_lyricBox->discard(); }

bool EditController::lyricBoxOpen() const { return m_lyricBox->isOpen(); }

void EditController::editLyricLine() {
  QLineEdit* line = m_window.topBar().lyricLine;
  line->setText(EditBoxDialog::editPhrase(&m_window, line->text()));
}

bool EditController::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && watched == m_window.topBar().lyricLine) {
    editLyricLine();
    return true;
  }
  if (event->type() == QEvent::KeyPress) {
    // A text box takes Ctrl+Z and Ctrl+Y for its own typing; here they undo
    // and redo the song.
    const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const char* name : {"mnUndo", "mnRedo"}) {
      QAction* item = m_window.menus().action(QString::fromUtf8(name));
      if (item->shortcuts().contains(key)) {
        if (item->isEnabled()) item->trigger();
        return true;
      }
    }
  }
  return false;
}

}  // namespace ruvo::gui
