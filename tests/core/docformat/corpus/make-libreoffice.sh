#!/bin/sh
# Writes the corpus files that LibreOffice makes: each .fodt here (a document
# written by hand) saved as RTF beside it. Run it again after changing one;
# the tests read the .rtf files, so they need no LibreOffice.
set -eu
cd "$(dirname "$0")"
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
for source in *.fodt; do
  soffice --headless "-env:UserInstallation=file://$profile" --convert-to rtf --outdir . "$source"
done
