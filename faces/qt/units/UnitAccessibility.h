#pragma once
// What assistive technology is told about the units, through Qt's accessibility factory:
//   Label     static text, read as its caption; "label for" the box it names
//   PicBox    a graphic, named and described by the program
//   ShapeBox  left out of the tree, with the window listing what a shape holds in its place
//   window    a frame named by its title
//   EditBox   a single-line box an editable text (LineAccessible), a multi-line one Qt's
//             own text edit; a box named by a label is "labelled by" it
//   Button    Qt's own push button
//
// Qt builds a widget's interface the first time the widget reports a change, whether or not
// assistive technology listens; the factory then makes one small object per unit, as Qt's own
// would, so start-up costs what it did without it.
class QWidget;

// Call once the QApplication exists: Qt asks the factories installed last first, and the
// application installs its own for the widgets it ships.
void InstallUnitAccessibility();

// Makes the label unit whose widget is `label` name `target`, a sibling widget. False, and
// nothing changes, when `label` is not a label unit's widget.
bool RelateLabel(QWidget* label, QWidget* target);
