// Keeps the tool library non-empty while it has no other sources.
namespace skiff_toollib_anchor { int unused; }
