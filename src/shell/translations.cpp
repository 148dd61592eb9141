// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the translations compiled into the program, and Qt's own from the system.
#include "shell/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstring>
#include <memory>

#include "model/text_template.h"

namespace kelvane {
namespace {

constexpr const char* kContext = "Kelvane";

constexpr const char* kFolder = ":/i18n";
constexpr const char* kPrefix = "kelvane_";

struct Installed {
  std::unique_ptr<QTranslator> game;
  std::unique_ptr<QTranslator> toolkit;
  QLocale locale{QLocale::English};
};

Installed& Current() {
  static Installed installed;
  return installed;
}

// The codes of the translations compiled in, "de" for kelvane_de.qm.
QStringList Translated() {
  QStringList codes;
  for (const QString& file : QDir(kFolder).entryList({QString(kPrefix) + "*.qm"}, QDir::Files)) {
    codes.append(file.mid(static_cast<qsizetype>(std::strlen(kPrefix))).section(u'.', 0, 0));
  }
  codes.sort();
  return codes;
}

bool Spoken(const QString& code) {
  return code == "en" || Translated().contains(code);
}

std::unique_ptr<QTranslator> Loaded(const QString& file, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) {
    return nullptr;
  }
  // Qt turns down a translation with nothing translated yet; it is loaded all the same.
  QCoreApplication::installTranslator(translator.get());
  return translator;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::vector<InterfaceLanguage> InterfaceLanguages() {
  std::vector<InterfaceLanguage> languages{{"", QCoreApplication::translate("Kelvane", "System")},
                                           {"en", "English"}};
  for (const QString& code : Translated()) {
    const QString name = QLocale(code).nativeLanguageName();
    languages.push_back({code, name.left(1).toUpper() + name.mid(1)});
  }
  return languages;
}

QString LanguageToSpeak(std::string_view chosen) {
  const QString code = FromUtf8(chosen);
  if (Spoken(code)) {
    return code;
  }
  // "de-CH" speaks German; a system that puts English before German gets English.
  for (const QString& system : QLocale::system().uiLanguages()) {
    const QString language = system.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
    if (Spoken(language)) {
      return language;
    }
  }
  return "en";
}

bool InstallTranslations(const QString& language) {
  // The locale the program started in, for a return to English.
  static const QLocale started;
  Installed& installed = Current();
  installed = Installed{};
  if (language == "en") {
    QLocale::setDefault(started);
    return true;
  }
  installed.locale = QLocale(language);
  QLocale::setDefault(installed.locale);
  // Yes, No, the colour dialog and a text field's menu come from Qt's translations.
  installed.toolkit =
      Loaded("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  installed.game = Loaded(kPrefix + language, kFolder);
  return installed.game != nullptr;
}

QLocale InterfaceLocale() {
  return Current().locale;
}

QString CoreText(std::string_view source) {
  return QCoreApplication::translate(kContext, std::string(source).c_str());
}

std::string TranslatedWording(std::string_view source, const std::vector<std::string>& args,
                              std::optional<long> count) {
  const QTranslator* game = Current().game.get();
  const std::string key(source);
  QString translated;
  if (game != nullptr) {
    translated =
        game->translate(kContext, key.c_str(), nullptr, count ? static_cast<int>(*count) : -1);
  }
  if (translated.isEmpty()) {
    return EnglishWording().Word(source, args, count);
  }
  if (count) {
    translated.replace("%Ln", InterfaceLocale().toString(static_cast<qlonglong>(*count)));
  }
  return FillTemplate(translated.toStdString(), args, count);
}

const Wording& InterfaceWording() {
  class Installed : public Wording {
   protected:
    std::string WordTemplate(std::string_view source, const std::vector<std::string>& args,
                             std::optional<long> count) const override {
      return TranslatedWording(source, args, count);
    }
    std::string WordNumber(unsigned long long n) const override {
      return InterfaceLocale().toString(static_cast<qulonglong>(n)).toStdString();
    }
  };
  static const Installed installed;
  return installed;
}

QString Worded(std::string_view source, const QStringList& args, std::optional<long> count) {
  std::vector<std::string> texts;
  for (const QString& arg : args) {
    texts.push_back(arg.toStdString());
  }
  return QString::fromStdString(TranslatedWording(source, texts, count));
}

}  // namespace kelvane
