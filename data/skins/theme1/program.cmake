# The program icon: a rounded keycap in the accent colour with a lit bar, at the sizes Windows
# asks for (taskbar, title bar, tray).
clavira_skin_image(Clavira.ico
  -size 256x256 xc:none
  -fill "#1B1D22" -draw "roundrectangle 8,8 247,247 48,48"
  -fill "#2A2D35" -draw "roundrectangle 40,32 215,199 32,32"
  -fill "#00B4FF" -draw "roundrectangle 72,150 183,172 10,10"
  -define icon:auto-resize=256,48,32,16)
