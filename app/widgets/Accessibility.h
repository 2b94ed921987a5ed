// What screen readers are told about the window: fields named by the labels before them, and the
// rows of the uniform list views.
#pragma once

class QWidget;

namespace kalkora {

// Gives every entry field under `root` that has no name yet the label just before it on its line
// (the "N=" before N's field) as its buddy, which is where screen readers take a field's name;
// a spinner's arrows are named "Больше" and "Меньше", with the field they step.
void NameFieldsByTheirLabels(QWidget* root);

// Makes UniformListView known to screen readers as a list of its rows on screen, with the current
// one focused and selected. Installed once, by the first list view.
void InstallUniformListAccessibility();

}  // namespace kalkora
