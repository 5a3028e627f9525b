// Loading a rich-text or plain text file into a text box.
#pragma once

#include <QTextDocument>
#include <filesystem>
#include <string_view>

class QTextEdit;

namespace tavrel {

// Builds a document from file bytes: rich text when they start with "{\rtf", else GBK text.
void fill_document(QTextDocument& document, std::string_view bytes, const QFont& base_font);

// Replaces the box's text with the file's (a path in the program's spelling, resolved against
// the current directory). Throws std::runtime_error when the file cannot be read.
void load_rich_text(QTextEdit& box, std::string_view path);

}  // namespace tavrel
