# Writes OUTPUT, a C++ source that holds the bytes of every PDF in INPUTS
# ("|"-separated) as the program's built-in backgrounds, each named after
# its file. Run with cmake -P at build time.
string(REPLACE "|" ";" inputs "${INPUTS}")
set(body "")
set(table "")
set(index 0)
foreach(input IN LISTS inputs)
  get_filename_component(name "${input}" NAME_WE)
  file(READ "${input}" hex HEX)
  string(LENGTH "${hex}" length)
  math(EXPR bytes "${length} / 2")
  # Every byte as an escape, 32 to a line; a string literal compiles far
  # faster than a list of numbers.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(REPEAT "\\\\x.." 32 line)
  string(REGEX REPLACE "(${line})" "\\1\"\n    \"" escaped "${escaped}")
  string(APPEND body "constexpr char pdf${index}[] =\n    \"${escaped}\";\n")
  string(APPEND table "    {\"${name}\", {reinterpret_cast<const uint8_t*>(pdf${index}), ${bytes}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.new"
"// Generated at build time from resources/backgrounds/; do not edit.
#include \"Vyer/Faktura/Bakgrunder.h\"

namespace {
${body}
const std::vector<InbyggdBakgrund> tabell = {
${table}};
}  // namespace

const std::vector<InbyggdBakgrund>& inbyggdaBakgrunder() { return tabell; }
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
