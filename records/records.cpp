#include "records.h"

std::string& Workdt::Column(int column) {
    if (column <= 1) {
        return DateWeek[column < 0 ? 0 : column];
    }
    if (column == 2) {
        return Kind;
    }
    return Values[column > 9 ? 6 : column - 3];
}

const std::string& Workdt::Column(int column) const {
    return const_cast<Workdt*>(this)->Column(column);
}
