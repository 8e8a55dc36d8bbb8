#pragma once

#include <cstdio>

/// Whether the stream is attached to a terminal.
bool IsTerminal(std::FILE* stream);

/// The terminal's width in columns, or 0 when unknown.
int TerminalColumns(std::FILE* stream);

/// Waits for one key that produces a character, read from standard input in
/// raw mode (no echo, no line buffering); returns at once when standard
/// input is not a terminal, so scripts never hang.
void WaitForKey();
