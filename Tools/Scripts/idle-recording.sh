#!/bin/sh
# Writes the source of the performance table's idle recording into the folder
# $2 (Recording.txt and what it includes): a new game in the first slot up to
# the living room, where the player then does nothing for $1 frames of 16 ms
# (the game clock runs four times as fast under "-autotest"):
#   idle-recording.sh <frames> <folder>
set -eu
source="$(cd "$(dirname "$0")/../.." && pwd)/Content/AutoTest"
frames="$1"
folder="$2"
mkdir -p "$folder"
cp "$source/StartMenuFirstSlot.txt" "$folder"
{
  echo "include StartMenuFirstSlot.txt"
  sed '/^scene bg101_/q' "$source/ChapterOne.txt"
  echo "Wait $((frames * 16 * 4))"
} >"$folder/Recording.txt"
