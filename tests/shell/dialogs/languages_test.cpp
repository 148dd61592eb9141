// SPDX-License-Identifier: GPL-3.0-or-later
// Every language compiled in, as the player meets it: each translation loads, no two items of a
// menu share a mnemonic, and no text of a dialog is cut.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/options_dialog.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "shell/translations.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {
namespace {

// English first, then each translation.
QStringList Spoken() {
  QStringList codes;
  for (const InterfaceLanguage& language : InterfaceLanguages()) {
    if (!language.code.isEmpty()) {
      codes.append(language.code);
    }
  }
  return codes;
}

QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == u'&') {
      if (text[i + 1] != u'&') {
        return text[i + 1].toLower();
      }
      ++i;
    }
  }
  return {};
}

// The items of `actions` whose mnemonic an earlier item has taken.
QStringList Clashes(const QList<QAction*>& actions) {
  QStringList clashes;
  QString taken;
  for (const QAction* action : actions) {
    const QChar key = Mnemonic(action->text());
    if (!key.isNull() && taken.contains(key)) {
      clashes.append(action->text());
    }
    taken.append(key);
  }
  return clashes;
}

QString Bare(QString text) {
  return text.remove(QRegularExpression("&(?!&)"));
}

// The controls of `dialog` whose text is wider than their place, or that stick out of it.
QStringList CutTexts(QDialog& dialog) {
  QStringList cut;
  const QRect room = dialog.rect();
  for (QWidget* control : dialog.findChildren<QWidget*>()) {
    const QFontMetrics metrics(control->font());
    QString text;
    int needed = 0;
    if (const auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
      text = label->text();
      needed = label->sizeHint().width();
    } else if (const auto* box = qobject_cast<QGroupBox*>(control)) {
      text = box->title();
      needed = metrics.horizontalAdvance(Bare(text)) + 2 * metrics.averageCharWidth();
    } else if (const auto* button = qobject_cast<QPushButton*>(control)) {
      text = button->text();
      needed = metrics.horizontalAdvance(Bare(text)) + 4;
    } else if (const auto* check = qobject_cast<QAbstractButton*>(control)) {
      text = check->text();
      needed = check->sizeHint().width();
    }
    if (!text.isEmpty() && (control->width() < needed || !room.contains(control->geometry()))) {
      cut.append(text);
    }
  }
  return cut;
}

}  // namespace

class LanguagesTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { InstallTranslations("en"); }

  void EachTranslationLoads() {
    for (const QString& code : Spoken()) {
      QVERIFY2(InstallTranslations(code), qPrintable(code));
    }
  }

  void NoMenuHasTwoItemsOfOneMnemonic() {
    for (const QString& code : Spoken()) {
      InstallTranslations(code);
      WindowFixture fixture;
      QMenuBar& bar = *fixture.window().menuBar();
      QStringList clashes = Clashes(bar.actions());
      for (const QMenu* menu : bar.findChildren<QMenu*>()) {
        clashes += Clashes(menu->actions());
      }
      QVERIFY2(clashes.isEmpty(), qPrintable(code + ": " + clashes.join(", ")));
    }
  }

  void EveryDialogTextFitsItsPlace() {
    for (const QString& code : Spoken()) {
      InstallTranslations(code);
      WindowFixture fixture;
      Game& game = fixture.game();
      std::vector<std::unique_ptr<QDialog>> dialogs;
      dialogs.push_back(std::make_unique<OptionsDialog>(game, fixture.boxes, nullptr));
      dialogs.push_back(std::make_unique<NewGameDialog>(game, fixture.boxes, nullptr));
      dialogs.push_back(std::make_unique<SavePuzzleDialog>(game, fixture.boxes, nullptr));
      dialogs.push_back(std::make_unique<AboutDialog>(game, nullptr));
      for (const std::unique_ptr<QDialog>& dialog : dialogs) {
        const QStringList cut = CutTexts(*dialog);
        QVERIFY2(cut.isEmpty(),
                 qPrintable(code + ", " + dialog->windowTitle() + ": " + cut.join(", ")));
      }
    }
  }
};

namespace {
const RegisterTest<LanguagesTest> registered("LanguagesTest");
}

}  // namespace kelvane::testing

#include "languages_test.moc"
