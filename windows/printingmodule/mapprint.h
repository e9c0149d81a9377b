#pragma once

class QPrinter;
class QWidget;

// Prints what the window shows below its menu bar on one page, after the
// print dialog; the picture keeps its proportions and shrinks to fit the
// page.
void PrintMapWindow(QWidget* window);

// The window's picture, without its menu bar, on the printer's page.
void PrintWindowPage(QWidget* window, QPrinter& printer);
