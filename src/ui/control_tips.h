#pragma once
// What a control does, in one sentence: its tooltip, and the description a
// screen reader gives after its name.

class QString;
class QWidget;

namespace vorlix {

// The tooltip and the accessible description, alike.
void explain(QWidget* control, const QString& tip);

// Explains every control of the main window, found by its object name (an
// array's elements by the name without the index). A label explains the box
// it names. Controls that carry a tooltip already (the character box) keep
// it and get it as their description too.
void explainMainWindow(QWidget* window);

} // namespace vorlix
