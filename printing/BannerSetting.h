#pragma once
// "banner" of section "PCNFSD" in "norvo.ini": whether each job gets a banner page.
// Read at each use, not cached: the queue window writes it at once.

// Non-zero prints a banner page; 1 when the key is missing.
int BannerSetting();
void WriteBannerSetting(bool on);
