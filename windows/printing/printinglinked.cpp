// Tests and benchmarks link the chart and print code into themselves.
#include "windows/printing/printing.h"

const PrintingEntries* Printing(QWidget*) {
    return TolmarPrintingEntries();
}
