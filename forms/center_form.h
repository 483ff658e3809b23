#pragma once

class QWidget;

// Where a window of the given outer size stands when centred on a screen, in
// twips: a floating-point halving, so an odd difference keeps its half twip and
// a window larger than the screen gets a negative edge.
struct CenteredPlace
{
    float left;
    float top;
};
CenteredPlace CenteredOnScreen(float screenWidth, float screenHeight, float formWidth, float formHeight);

// Moves the window to the middle of its screen, left edge first, then top.
void CenterForm(QWidget &form);
