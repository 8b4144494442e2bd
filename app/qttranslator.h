#pragma once

class QLocale;
class QTranslator;

// Loads Qt's own catalogue for the given locale ("qt_" + locale name, from Qt's translations
// directory) and installs the translator whether or not a catalogue was found, so that a
// locale without one simply leaves Qt's built-in texts in English. Returns whether it loaded.
bool installQtTranslator(QTranslator &translator, const QLocale &locale);
