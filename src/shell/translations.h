// SPDX-License-Identifier: GPL-3.0-or-later
// The language the interface speaks: the game's own translations and Qt's, chosen once before any
// window is made, and the wording of the core's texts through them.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/text_template.h"

namespace kelvane {

// A language the Options dialog offers: its code ("de"), empty for the system's, and its name in
// itself ("Deutsch").
struct InterfaceLanguage {
  QString code;
  QString name;
};

// System, English, then each language whose translation is compiled in, by code: a new language
// is one more translation file and no change of code.
std::vector<InterfaceLanguage> InterfaceLanguages();

// The language to speak: `chosen` when it is one of InterfaceLanguages(), else the first of the
// system's languages (QLocale::uiLanguages) that the game speaks, else English.
QString LanguageToSpeak(std::string_view chosen);

// Installs the game's and Qt's translations for `language` ("de"), replacing those installed
// before; English installs none. Returns whether the game's own translation was found.
bool InstallTranslations(const QString& language);

// The locale of the language installed: numbers and times are written its way.
QLocale InterfaceLocale();

// The core's fixed text `source`, translated in the context "Kelvane".
QString CoreText(std::string_view source);

// The template `source` of the context "Kelvane" worded with `args` and `count` as the core's
// Wording does, from its translation when there is one, else from the English.
std::string TranslatedWording(std::string_view source, const std::vector<std::string>& args,
                              std::optional<long> count);
// The core's Wording in the language installed, numbers written the locale's way.
const Wording& InterfaceWording();
QString Worded(std::string_view source, const QStringList& args = {},
               std::optional<long> count = std::nullopt);

}  // namespace kelvane
