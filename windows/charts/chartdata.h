#pragma once

#include <string>
#include <vector>

// What a chart draws, built from the texts of the summary window that opens
// it, so that the figures are tested without a display.

enum class DayChartKind { Sleep, Exercise, Work };

// One value per day of the month summary's daily grid and a reference line.
struct DayChart {
    std::string title;
    double cap = 1;       // values above it are drawn at it; the value axis ends here
    double reference = 0; // the height of the reference line
    std::vector<double> values;
    std::vector<std::string> labels; // "9/1", "2", "3", ... "10/1", "2"
    std::string valueAxisTitle;
    bool hours = false; // value axis labels as "8:00", else as "10,000"
};

// kind's chart of the month summary "year"年"month"月: dateCells are the
// daily grid's "m/dd" cells, valueCells its sleep, exercise or working time
// cells, row by row.
DayChart BuildDayChart(DayChartKind kind, const std::string& yearText, const std::string& monthText,
                       const std::vector<std::string>& dateCells,
                       const std::vector<std::string>& valueCells, int sleep1, int walking1);

// Day labels: the first day and the first of each new month as "m/d", the
// other days as "d".
std::vector<std::string> DayLabels(const std::vector<std::string>& dateCells);

// How the average day of each month divides into work, the rest of life and
// sleep, in hours; the three add up to 24 unless work and sleep exceed it.
struct LifeChart {
    std::string title;
    std::vector<std::string> labels; // "2004/01", top to bottom
    std::vector<double> work, life, sleep;
};

// From the 12-month summary: the start and end year and month boxes, the
// month labels and the average sleep and working time texts, month by month.
LifeChart BuildLifeChart(const std::string& fromYear, const std::string& fromMonth,
                         const std::string& toYear, const std::string& toMonth,
                         const std::vector<std::string>& monthLabels,
                         const std::vector<std::string>& averageSleep,
                         const std::vector<std::string>& averageWork);

// "10:00" for 10, "10,000" for 10000: the value axis labels.
std::string HourAxisLabel(double hours);
std::string CountAxisLabel(double count);
