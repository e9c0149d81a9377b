#pragma once

class QPrinter;
class QWidget;

// Prints what the window shows on one page, after the print dialog; the
// picture keeps the window's proportions and shrinks to fit the page.
void PrintMapWindow(QWidget* window);

// The window's picture on the printer's page.
void PrintWindowPage(QWidget* window, QPrinter& printer);
