#pragma once
/// The sections of the dialogue and the questions they share.

#include <functional>
#include <initializer_list>

#include "driver/text/console.h"
#include "driver/text/format.h"
#include "records/records.h"

namespace veldran {

/// Writes a yes/no question and reads a one-character answer until it is
/// S or s (yes) or N or n (no); any other answer gets the error record.
bool yes_no(const text::Format& question);
/// Shows a summary and asks the confirmation until the answer is yes: a no
/// enters the values again, any other answer shows the summary again.
void confirmed(const std::function<void()>& show, const std::function<void()>& enter);
/// A keyboard read with a recovery: false for unreadable text; the end of
/// input ends the run (asking again could never be answered).
bool read_or_refuse(std::initializer_list<text::Var> vars);

void materials(MaterialTable& m);
void laminate(const MaterialTable& m, PlyStack& s);
void dimensions(PlateProblem& p);
void loads(PlateProblem& p);
void print_options(PrintOptions& o);

} // namespace veldran
