#pragma once

// Marks a text that the Qt side shows translated (by `context` and the
// English text); the core keeps and compares the English. The translation
// tools read this name as QT_TRANSLATE_NOOP.
#define LUMO_TRANSLATE_NOOP(context, text) text
