# Says, after the demo, how to listen to its tracks from wherever the user stands: the commands
# go into the demo's folder first, and name the players found on this machine, or say where to
# get one.
#
#   cmake -DDEMO=<the demo's folder> -P demo_players.cmake
find_program(VGMSTREAM_CLI vgmstream-cli)
find_program(FFMPEG ffmpeg)
message("The tracks are in ${DEMO}: BGM_000.adpcm, BGM_000.txtp, ...")
if(VGMSTREAM_CLI)
  message("Listen to BGM_000 as the game plays it: its intro, its loop twice, and a fade:\n"
          "  cd \"${DEMO}\" && vgmstream-cli -o BGM_000.wav BGM_000.txtp")
endif()
if(FFMPEG)
  message("Listen to BGM_000 once through, with FFmpeg:\n"
          "  cd \"${DEMO}\" && ffmpeg -y -i \"concat:44100Hz.genh|BGM_000.adpcm\" BGM_000-once.wav")
endif()
if(NOT VGMSTREAM_CLI AND NOT FFMPEG)
  message("To listen to them you need a player, and none is on the PATH:\n"
          "  vgmstream-cli, which loops the tracks, from "
          "https://github.com/vgmstream/vgmstream/releases;\n"
          "  or FFmpeg, which plays each once: on Debian and Ubuntu apt install ffmpeg (as root), "
          "with Homebrew brew install ffmpeg, on Windows from https://ffmpeg.org/download.html.\n"
          "Then, for example:\n"
          "  cd \"${DEMO}\" && vgmstream-cli -o BGM_000.wav BGM_000.txtp\n"
          "Or play them in the page, which needs no player: build it with cmake --workflow "
          "--preset web, open build/web/index.html, and choose ${DEMO}/demo.bin.")
endif()
