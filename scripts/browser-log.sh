#!/bin/sh
# Stands in for the web browser under Wine: appends the address it is given to a log, one line each.
printf '%s\n' "$1" >> "${FOLDERLOCKER_BROWSER_LOG:-/tmp/folderlocker-browser.log}"
