#pragma once
/// The sections of the dialogue and the questions they share.

#include <initializer_list>

#include "driver/text/console.h"
#include "driver/text/format.h"
#include "records/records.h"

namespace veldran {

enum class Answer { Yes, No, Other };

/// Writes a question and reads a one-character answer: S or s is yes, N or n
/// is no; any other answer gets the error record and Answer::Other.
Answer ask(const text::Format& question);
/// Asks until the answer is yes or no.
bool yes_no(const text::Format& question);
/// The confirmation question that follows every summary.
Answer confirm();
/// A keyboard read with a recovery: false for unreadable text; the end of
/// input ends the run (asking again could never be answered).
bool read_or_refuse(std::initializer_list<text::Var> vars);

void materials(MaterialTable& m);
void laminate(const MaterialTable& m, PlyStack& s);
void dimensions(PlateProblem& p);
void loads(PlateProblem& p);
void print_options(PrintOptions& o);

} // namespace veldran
