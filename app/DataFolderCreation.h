#pragma once

// Creates the per-user data folders when they are missing: conf, conf/usr, conf/app and log
// under the application-data location. A failure is not reported: whoever reads or writes in
// a missing folder meets it.
void createDataFolders();
