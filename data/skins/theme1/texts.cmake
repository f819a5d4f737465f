# Text, picture, area and edit controls.

# The edit field's background: four 40 x 30 frames side by side (normal, hover, focused,
# disabled), each a rounded box whose 4-pixel corners survive the nine-patch stretch.
clavira_skin_image(img_edit.png
  -size 160x30 xc:none
  -fill "#1A1C22" -stroke "#3A3F4A" -draw "roundrectangle 0,0 39,29 3,3"
  -fill "#1E2028" -stroke "#5A6070" -draw "roundrectangle 40,0 79,29 3,3"
  -fill "#1E2028" -stroke "#00B4FF" -draw "roundrectangle 80,0 119,29 3,3"
  -fill "#141414" -stroke "#2A2A2A" -draw "roundrectangle 120,0 159,29 3,3")

# The edit field's icon (a clear mark): four 16 x 16 frames (normal, hover, pressed, normal).
clavira_skin_image(img_edit_clear.png
  -size 64x16 xc:none -strokewidth 2
  -stroke "#8A8F99" -draw "line 4,4 11,11" -draw "line 11,4 4,11"
  -stroke "#FFFFFF" -draw "line 20,4 27,11" -draw "line 27,4 20,11"
  -stroke "#00B4FF" -draw "line 36,4 43,11" -draw "line 43,4 36,11"
  -stroke "#8A8F99" -draw "line 52,4 59,11" -draw "line 59,4 52,11")

# A picture frame: four 24 x 24 frames (normal, hover, pressed, disabled) with 4-pixel borders.
clavira_skin_image(img_photo_frame.png
  -size 96x24 xc:none -fill none -strokewidth 2
  -stroke "#3A3F4A" -draw "rectangle 1,1 22,22"
  -stroke "#8A8F99" -draw "rectangle 25,1 46,22"
  -stroke "#00B4FF" -draw "rectangle 49,1 70,22"
  -stroke "#2A2A2A" -draw "rectangle 73,1 94,22")

# A 12 x 12 sample picture whose parts can be told apart wherever a show mode puts them:
# 4-pixel corners red (top-left), green (top-right), blue (bottom-left) and yellow
# (bottom-right), grey edges and a white centre.
clavira_skin_image(img_picture_sample.png
  -size 12x12 "xc:#808080"
  -fill "#FFFFFF" -draw "rectangle 4,4 7,7"
  -fill "#FF0000" -draw "rectangle 0,0 3,3"
  -fill "#00FF00" -draw "rectangle 8,0 11,3"
  -fill "#0000FF" -draw "rectangle 0,8 3,11"
  -fill "#FFFF00" -draw "rectangle 8,8 11,11")

# The busy indicator: ten 32 x 32 frames, a ring of dots with one lit dot going round (frame i
# lights the dot at i tenths of a turn, clockwise from the top).
clavira_skin_image(img_busy.gif
  -delay 10 -loop 0 -dispose previous
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 16,4 16,7" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 23,6 23,9" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 27,12 27,15" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 27,20 27,23" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 23,26 23,29" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 16,28 16,31" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 9,26 9,29" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 5,20 5,23" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 5,12 5,15" ")"
  "(" -size 32x32 "xc:#101216" -fill "#00B4FF" -draw "circle 9,6 9,9" ")")
