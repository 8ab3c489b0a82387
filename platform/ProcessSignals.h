#pragma once

// Start-up settings of the process's signal dispositions.
//
// SIGXFSZ is ignored, so that a write beyond the file-size limit fails with
// "File too large" (and the save keeps the old file) instead of ending the
// program without a word.
void IgnoreFileSizeLimitSignal();
