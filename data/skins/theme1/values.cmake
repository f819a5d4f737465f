# Value and colour controls: slider track and thumb, combo box strip, progress and level bars,
# the palette thumb and the colour wheel. Dark surfaces with the accent #00B4FF.

# Slider track: the filled row above the empty row, 6 pixels each.
clavira_skin_image(img_slider_back.png
  -size 240x12 xc:none
  -fill "#00B4FF" -draw "roundrectangle 0,0 239,5 3,3"
  -fill "#2A2D35" -draw "roundrectangle 0,6 239,11 3,3")

# Slider thumb, 4 frames of 36 x 36: normal, hover, pressed, disabled.
clavira_skin_image(img_thumb.png
  -size 144x36 xc:none
  -fill "#E8ECF2" -stroke "#00B4FF" -strokewidth 3 -draw "circle 18,18 18,9"
  -fill "#FFFFFF" -stroke "#38C8FF" -strokewidth 4 -draw "circle 54,18 54,7"
  -fill "#C8D0DA" -stroke "#0090CC" -strokewidth 4 -draw "circle 90,18 90,8"
  -fill "#555A66" -stroke "#3A3E47" -strokewidth 3 -draw "circle 126,18 126,9")

# Combo box, 4 frames of 80 x 38 (normal, hover, pressed, disabled); the arrow sits in the
# right 36 pixels that the nine-patch keeps unstretched.
clavira_skin_image(img_combobox.png
  -size 320x38 xc:none
  -strokewidth 1
  -fill "#1B1D22" -stroke "#3A3E47" -draw "roundrectangle 0,0 79,37 6,6"
  -fill "#24272E" -stroke "#00B4FF" -draw "roundrectangle 80,0 159,37 6,6"
  -fill "#2A2D35" -stroke "#0090CC" -draw "roundrectangle 160,0 239,37 6,6"
  -fill "#16171B" -stroke "#2A2D35" -draw "roundrectangle 240,0 319,37 6,6"
  -stroke none
  -fill "#C8D0DA" -draw "polygon 56,16 68,16 62,23"
  -fill "#00B4FF" -draw "polygon 136,16 148,16 142,23"
  -fill "#00B4FF" -draw "polygon 216,23 228,23 222,16"
  -fill "#555A66" -draw "polygon 296,16 308,16 302,23")

# Progress bar: back, and a front of 4 frames whose stripes move along while it runs.
clavira_skin_image(img_progress_back.png
  -size 200x12 xc:none
  -fill "#2A2D35" -draw "roundrectangle 0,0 199,11 5,5")
clavira_skin_image(img_progress_front.png
  -size 800x12 xc:none
  -fill "#00B4FF" -draw "roundrectangle 0,0 199,11 5,5"
  -fill "#00B4FF" -draw "roundrectangle 200,0 399,11 5,5"
  -fill "#00B4FF" -draw "roundrectangle 400,0 599,11 5,5"
  -fill "#00B4FF" -draw "roundrectangle 600,0 799,11 5,5"
  -fill "#38C8FF"
  -draw "rectangle 0,0 9,11" -draw "rectangle 40,0 49,11" -draw "rectangle 80,0 89,11"
  -draw "rectangle 120,0 129,11" -draw "rectangle 160,0 169,11"
  -draw "rectangle 210,0 219,11" -draw "rectangle 250,0 259,11" -draw "rectangle 290,0 299,11"
  -draw "rectangle 330,0 339,11" -draw "rectangle 370,0 379,11"
  -draw "rectangle 420,0 429,11" -draw "rectangle 460,0 469,11" -draw "rectangle 500,0 509,11"
  -draw "rectangle 540,0 549,11" -draw "rectangle 580,0 589,11"
  -draw "rectangle 630,0 639,11" -draw "rectangle 670,0 679,11" -draw "rectangle 710,0 719,11"
  -draw "rectangle 750,0 759,11" -draw "rectangle 790,0 799,11")

# Level bar segments, 2 frames: unlit, lit.
clavira_skin_image(img_level.png
  -size 20x20 xc:none
  -fill "#2A2D35" -draw "roundrectangle 0,0 9,19 2,2"
  -fill "#00B4FF" -draw "roundrectangle 10,0 19,19 2,2")

# Thumb of the colour fields: a white ring with a dark outline.
clavira_skin_image(img_palette_thumb.png
  -size 16x16 xc:none
  -fill none -stroke "#050505" -strokewidth 4 -draw "circle 7.5,7.5 7.5,2"
  -stroke "#FFFFFF" -strokewidth 2 -draw "circle 7.5,7.5 7.5,2")

# Colour wheel: hue is the angle (0 degrees to the right, counter-clockwise), saturation the
# distance from the centre, full brightness; transparent outside the circle.
clavira_skin_image(img_circlepalette.png
  -size 201x201 xc:white -colorspace HSB
  -channel R -fx "atan2(-(j-100),i-100)/(2*pi)+(atan2(-(j-100),i-100)<0?1:0)"
  -channel G -fx "min(hypot(i-100,j-100)/100,1)"
  -channel B -fx "1"
  +channel -colorspace sRGB
  "(" +clone -fill black -colorize 100 -fill white -draw "circle 100,100 100,0" ")"
  -alpha off -compose CopyOpacity -composite)
