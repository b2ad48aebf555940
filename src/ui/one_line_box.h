#pragma once

class QLineEdit;

namespace vorlix {

// A pasted line break would end a table's comment line (or split a value)
// and hand the rest to the assembler as code: in box it becomes a space.
void keepOnOneLine(QLineEdit* box);

} // namespace vorlix
