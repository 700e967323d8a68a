// Reading a text of a module's version resource.
#pragma once

// Copies the value `name` of the version information `info` into buffer:
// from the US-English block in Unicode (040904b0), else from the one in
// Windows-1252 (040904E4).  False when neither holds it.
bool VERCopyStringValue(const void *info, const char *name, char *buffer);
