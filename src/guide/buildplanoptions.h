#pragma once

#include "guide/buildplansettings.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;

namespace tessaly {

// The command line's options for the build plan: --order, --panel,
// --seconds-per-turn and --seconds-per-cube.
struct BuildPlanOptions
{
    BuildPlanOptions();

    QList<QCommandLineOption> all() const { return {order, panel, secondsPerTurn, secondsPerCube}; }

    QCommandLineOption order;
    QCommandLineOption panel;
    QCommandLineOption secondsPerTurn;
    QCommandLineOption secondsPerCube;
};

// Reads the options from a parser that has parsed the arguments into
// settings. Returns empty when every value is good, else a message that
// quotes the bad one; settings are then partly read.
QString readBuildPlanOptions(const QCommandLineParser &parser, const BuildPlanOptions &declared,
                             BuildPlanSettings &settings);

} // namespace tessaly
