// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of tavoric-cli, one line each, in the order --help shows them. Each names a
// function `CliCommand Name()` defined in the command's own file.
TAVORIC_CLI_COMMAND(InfoCommand)
TAVORIC_CLI_COMMAND(SaveCommand)
TAVORIC_CLI_COMMAND(DemoCommand)
TAVORIC_CLI_COMMAND(PerPlaceCommand)
TAVORIC_CLI_COMMAND(IntervalCommand)
TAVORIC_CLI_COMMAND(MotiveCommand)
TAVORIC_CLI_COMMAND(ChartCommand)
TAVORIC_CLI_COMMAND(CompareCommand)
TAVORIC_CLI_COMMAND(MapCommand)
TAVORIC_CLI_COMMAND(CouncilReportCommand)
TAVORIC_CLI_COMMAND(InputCommand)
TAVORIC_CLI_COMMAND(FormCommand)
TAVORIC_CLI_COMMAND(NotesCommand)
TAVORIC_CLI_COMMAND(ImportObservationsCommand)
TAVORIC_CLI_COMMAND(ExportObservationsCommand)
TAVORIC_CLI_COMMAND(PseudonymiseCommand)
