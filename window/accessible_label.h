// What a screen reader gets of the planner: a label is static text whose
// name is exactly its caption, so the figure read out is the figure shown;
// what the figure means is its description.
#pragma once

class QWidget;

namespace planner {

struct ControlDesign;

// Makes Qt's accessibility use the planner's interface for its labels.
// Call once, before the window is built; further calls do nothing.
void installAccessibleLabels();

// Names the scroll bars by quantity and unit ("Diameter in inches") and
// gives each figure its meaning as its description, where its tooltip does
// not already: "Focal length in inches", "Depth at 5 inches from the centre".
void describeForScreenReaders(QWidget* widget, const ControlDesign& design);

} // namespace planner
