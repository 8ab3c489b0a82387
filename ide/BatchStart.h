#pragma once

class TEditorForm;

// The "-t" start: links CmdLineTestClass along CmdLineClassPath, opens the
// log, connects to the module, downloads the image and resets the module so
// that it runs; the first idle call then sends Run. Throws EError.
void RunTestMode(TEditorForm& form);
