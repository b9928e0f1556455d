; Picture viewer for the test ROM template.
;
; The ROM builder writes the picture into the 512 KB image (patterns from
; offset 0, names and attributes in later 8 KB banks, the palette and a
; parameter block at 0x7E000). This program sits in the rest of the last
; 8 KB bank, which the chip maps at $E000 after reset, and shows the picture.
;
; Screen model: picture tile (x, y) lives in name table cell (x mod 64,
; y mod 30) of two side-by-side name tables, and the scroll registers point
; at the view's corner. A step of the view only brings in one column or two
; rows of cells, which the NMI writes together with the new scroll values.
; Pattern banks change mid-screen from the scan-line timer interrupt.
;
; Only 8x8 tiles are understood: the width and height bytes are read as
; counts of 8-pixel tiles.

.setcpu "6502"

; ---- parameter block written by the ROM builder (ROM 0x7E000) -------------
PALETTE     = $E000     ; 128 low bytes then 128 high bytes
P_NAMEBANK  = $E100     ; 8 KB bank of the first name byte
P_WIDTH     = $E101     ; picture width in 8-pixel tiles
P_HEIGHT    = $E102     ; picture height in 8-pixel tiles
P_ATTRBANK  = $E103     ; 8 KB bank of the first attribute byte
P_ATTRSTEP  = $E104     ; attribute bytes per group of 4 tile rows
P_FLAGS     = $E106     ; value for $2010
P_IRQLIST   = $E108     ; pixel rows of each bank minus one, 0-terminated

; ---- registers -------------------------------------------------------------
PPUCTRL     = $2000
PPUMASK     = $2001
PPUSTATUS   = $2002
PPUSCROLL   = $2005
PPUADDR     = $2006
PPUDATA     = $2007
VIDEOCTRL   = $2010     ; colour mode and 4 bpp background
BGBANK0     = $2016     ; 2 KB pattern bank at PPU $0000
BGBANK1     = $2017     ; 2 KB pattern bank at PPU $0800
VIDEOHIGH   = $2018     ; bits 6-4: video address bits 20-18
VIDEOMASK   = $201A
APUDMC      = $4010
JOYPAD1     = $4016
APUFRAME    = $4017
BANKHIGH    = $4100
TIMERLATCH  = $4101
TIMERRELOAD = $4102
TIMEROFF    = $4103     ; also acknowledges a pending timer interrupt
TIMERON     = $4104
BANKMODE    = $4105
MIRRORING   = $4106
PRGBANK8000 = $4107
PRGBANKA000 = $4108
PRGMASK     = $410A
PRGCTRL     = $410B

WINDOW      = $8000     ; two consecutive 8 KB banks are mapped here for reads

PAD_UP      = $08
PAD_DOWN    = $04
PAD_LEFT    = $02
PAD_RIGHT   = $01
SCREEN_COLS = 32
SCREEN_ROWS = 30
MAX_BANKS   = 128
LAST_COUNTED = 223       ; last scan line that clocks the timer
SW_NONE     = 0
SW_TIMER    = 1         ; switch when the timer fires
SW_LATE     = 2         ; switch by waiting on in the previous handler
.ifndef LATE_PAD
LATE_PAD    = 34        ; nops that put a late switch mid-line: in the
                        ; emulator 8 to 60 keep it on its line
.endif

.segment "ZEROPAGE"
src:        .res 2      ; read pointer into WINDOW
tmp:        .res 1
tmp2:       .res 1
tmpIrq:     .res 1      ; scratch of the interrupt handlers
prod:       .res 2      ; result of mul8
nameBank:   .res 1
width:      .res 1
height:     .res 1
attrBank:   .res 1
attrStep:   .res 1
bankCount:  .res 1
vx:         .res 1      ; view origin in tiles
vy:         .res 1      ; view origin in tiles, kept even (see readParams)
maxVx:      .res 1
maxVy:      .res 1
rowOff:     .res 2      ; name offset of the current row's first visible tile
ntRow:      .res 1
row:        .res 1
col:        .res 1
count:      .res 1
qx:         .res 1
qy:         .res 1
mask:       .res 1
; state shared with the interrupt handlers
frame:      .res 1      ; bumped by every NMI
ctrlValue:  .res 1      ; $2000 value with the horizontal name table bit
scrollX:    .res 1
scrollY:    .res 1
topBank:    .res 1      ; pattern bank of the first screen row
viewNext:   .res 1      ; screen row where the view's second bank starts
viewFire:   .res 1      ; scan line whose interrupt switches to it
irqOn:      .res 1
; the view the next NMI takes over, in the same order as the live one above
nCtrl:      .res 1
nScrollX:   .res 1
nScrollY:   .res 1
nTopBank:   .res 1
nViewNext:  .res 1
nViewFire:  .res 1
nIrqOn:     .res 1
updReady:   .res 1      ; vbuf and the n* view wait for the NMI
bufPos:     .res 1
upX:        .res 1      ; picture column or row being brought into view
upY:        .res 1
upRow:      .res 1
upCount:    .res 1
upIndex:    .res 1
upOff:      .res 2
; the pending switch (p) and the one after it (q), so that the handler can
; program the timer for q right after switching to p
pRow:       .res 1      ; screen row where the bank starts
pBank:      .res 1
pRegs:      .res 3      ; $2016, $2017, $2018
pWait:      .res 1      ; lines the handler waits before switching
pMode:      .res 1      ; SW_NONE, SW_TIMER or SW_LATE
pLatch:     .res 1      ; timer value, set right after the previous switch
qRow:       .res 1
qBank:      .res 1
qRegs:      .res 3
qWait:      .res 1
qMode:      .res 1
qLatch:     .res 1
pad:        .res 1
padOld:     .res 1
held:       .res 1

.segment "BSS"
startLo:    .res MAX_BANKS + 1  ; first pixel row of each bank
startHi:    .res MAX_BANKS + 1
attrShadow: .res 128            ; attribute bytes of both name tables
; Name table writes for the NMI: records of address high, address low, count
; (bit 7: step down a column instead of along a row) and the bytes; a 0 ends.
vbuf:       .res 128
rowNames:   .res SCREEN_COLS

.segment "CODE"

reset:
        sei
        cld
        ldx #$FF
        txs
        lda #0
        sta PPUCTRL
        sta PPUMASK
        sta APUDMC
        lda #$40                ; no APU frame interrupts: we run with IRQs on
        sta APUFRAME
        ; the PPU ignores writes until it has seen two vertical blanks
        bit PPUSTATUS
:       bit PPUSTATUS
        bpl :-
:       bit PPUSTATUS
        bpl :-

        ; RAM starts undefined; the NMI handler reads its state from it
        lda #0
        tax
:       sta $00,x
        sta $0200,x
        sta $0300,x
        sta $0400,x
        inx
        bne :-
        sta TIMEROFF
        sta BANKHIGH
        sta BANKMODE
        sta MIRRORING           ; vertical mirroring: two tables side by side
        sta PRGMASK
        sta PRGCTRL             ; 8 KB banks, timer clocked by scan lines
        sta VIDEOHIGH
        sta VIDEOMASK
        lda P_FLAGS
        sta VIDEOCTRL
        jsr readParams
        jsr drawView
        cli
mainLoop:
        jsr waitFrame
        jsr readPad
        jsr scrollStep
        jmp mainLoop

; ---------------------------------------------------------------------------
readParams:
        lda P_NAMEBANK
        sta nameBank
        lda P_WIDTH
        sta width
        lda P_HEIGHT
        sta height
        lda P_ATTRBANK
        sta attrBank
        lda P_ATTRSTEP
        bne :+
        lda #1                  ; narrow pictures still have one group per row
:       sta attrStep

        ; scroll limits; vertical steps are two tiles so that attribute
        ; quadrants never straddle the 30-row wrap of the name table
        lda #0
        sta maxVx
        sta maxVy
        lda width
        sec
        sbc #SCREEN_COLS
        bcc :+
        sta maxVx
:       lda height
        sec
        sbc #SCREEN_ROWS
        bcc :+
        clc
        adc #1
        and #$FE
        sta maxVy
:
        ; bank start rows from the list of bank heights
        lda #0
        sta startLo
        sta startHi
        ldx #0
@bank:  lda P_IRQLIST,x
        beq @done
        sec                     ; +1: the list holds rows minus one
        adc startLo,x
        sta startLo+1,x
        lda startHi,x
        adc #0
        sta startHi+1,x
        inx
        cpx #MAX_BANKS - 1
        bne @bank
@done:  inx
        stx bankCount
        lda #$FF                ; sentinel past the last bank
        sta startLo,x
        sta startHi,x
        rts

loadPalette:
        bit PPUSTATUS
        lda #$3F
        sta PPUADDR
        lda #$00
        sta PPUADDR
        ldx #0
:       lda PALETTE,x           ; low bytes land at $3F00, high at $3F80
        sta PPUDATA
        inx
        bne :-
        rts

; ---------------------------------------------------------------------------
; Joypad: a new press moves at once, holding repeats after a short delay.
readPad:
        lda pad
        sta padOld
        lda #1
        sta JOYPAD1
        lda #0
        sta JOYPAD1
        ldx #8
:       lda JOYPAD1
        lsr a
        rol pad
        dex
        bne :-
        rts

scrollStep:
        lda pad
        and #(PAD_UP|PAD_DOWN|PAD_LEFT|PAD_RIGHT)
        bne :+
        sta held
        rts
:       lda padOld
        eor #$FF
        and pad
        and #(PAD_UP|PAD_DOWN|PAD_LEFT|PAD_RIGHT)
        beq :+
        lda #0
        sta held
        jmp @move
:       inc held
        lda held
        cmp #16
        bcc @none
        lda #12                 ; repeat every few frames while held
        sta held
        jmp @move
@none:  rts

@move:  lda pad
        and #PAD_RIGHT
        beq :+
        lda vx
        cmp maxVx
        bcs :+
        inc vx
        clc
        adc #SCREEN_COLS
        jsr prepColumn
        jsr commit
:       lda pad
        and #PAD_LEFT
        beq :+
        lda vx
        beq :+
        dec vx
        lda vx
        jsr prepColumn
        jsr commit
:       lda pad
        and #PAD_DOWN
        beq :+
        lda vy
        cmp maxVy
        bcs :+
        inc vy
        inc vy
        lda vy
        clc
        adc #SCREEN_ROWS - 2
        jsr prepRows
        jsr commit
:       lda pad
        and #PAD_UP
        beq :+
        lda vy
        beq :+
        dec vy
        dec vy
        lda vy
        jsr prepRows
        jsr commit
:       rts

; Hands vbuf and the new view to the NMI and waits until it has taken them.
commit:
        jsr setView
        lda #1
        sta updReady
:       lda updReady
        bne :-
        rts

; appends A to vbuf (uses X)
emit:
        ldx bufPos
        sta vbuf,x
        inc bufPos
        rts

; vbuf = the names of picture column A (just come into view) and the
; attribute bytes of its name table column
prepColumn:
        sta upX
        lda #0
        sta bufPos
        lda upX
        and #32
        lsr a
        lsr a
        lsr a
        ora #$20
        jsr emit
        lda upX
        and #31
        jsr emit
        lda #$80 | SCREEN_ROWS
        jsr emit
        lda #0                  ; cells below the picture stay tile 0
        ldy #SCREEN_ROWS
:       jsr emit
        dey
        bne :-
        ; picture rows vy.. go to name table rows (vy + i) mod 30
        lda vy
        ldx width
        jsr mul8
        lda prod
        clc
        adc upX
        sta upOff
        lda prod+1
        adc #0
        sta upOff+1
        lda vy
        jsr mod30
        sta upRow
        lda vy
        sta row
        lda #SCREEN_ROWS
        sta upCount
@row:   lda row
        cmp height
        bcs @names
        lda upOff
        sta prod
        lda upOff+1
        sta prod+1
        lda nameBank
        jsr mapWindow
        ldy #0
        lda (src),y
        ldx upRow
        sta vbuf+3,x
        lda upOff
        clc
        adc width
        sta upOff
        bcc :+
        inc upOff+1
:       inc upRow
        lda upRow
        cmp #SCREEN_ROWS
        bne :+
        lda #0
        sta upRow
:       inc row
        dec upCount
        bne @row
@names: ; the column's quadrants, then its 8 attribute bytes
        lda upX
        lsr a
        sta qx
        lda vy
        lsr a
        sta qy
        lda #SCREEN_ROWS / 2
        sta upCount
@quad:  lda qy
        asl a
        cmp height
        bcs @attr
        jsr updateQuadrant
        inc qy
        dec upCount
        bne @quad
@attr:  lda #0
        sta upIndex
@byte:  lda upX
        and #32
        lsr a
        lsr a
        lsr a
        ora #$23
        jsr emit
        lda upIndex
        asl a
        asl a
        asl a
        sta tmp
        lda upX
        and #31
        lsr a
        lsr a
        ora tmp
        ora #$C0
        jsr emit
        lda #1
        jsr emit
        lda upX                 ; shadow index: table * 64 + row * 8 + column / 4
        and #32
        asl a
        ora tmp
        sta tmp
        lda upX
        and #31
        lsr a
        lsr a
        ora tmp
        tax
        lda attrShadow,x
        jsr emit
        inc upIndex
        lda upIndex
        cmp #8
        bne @byte
        lda #0
        jmp emit

; vbuf = the names of picture rows A and A + 1 (A even, just come into view)
; and the attribute bytes of their name table rows
prepRows:
        sta upY
        sta row
        lda #0
        sta bufPos
        lda #2
        sta upCount
@row:   lda row
        jsr mod30
        sta upRow
        ldy #SCREEN_COLS - 1
        lda #0
:       sta rowNames,y
        dey
        bpl :-
        lda row
        cmp height
        bcs @emit
        lda row
        ldx width
        jsr mul8
        lda prod
        clc
        adc vx
        sta prod
        bcc :+
        inc prod+1
:       lda nameBank
        jsr mapWindow
        ldy #0
:       tya
        clc
        adc vx
        cmp width
        bcs @emit
        lda (src),y
        sta rowNames,y
        iny
        cpy #SCREEN_COLS
        bne :-
@emit:  ; from column vx to the end of its name table ...
        lda vx
        and #32
        lsr a
        lsr a
        lsr a
        sta tmp
        lda upRow
        lsr a
        lsr a
        lsr a
        ora tmp
        ora #$20
        jsr emit
        lda upRow
        asl a
        asl a
        asl a
        asl a
        asl a
        sta tmp2
        lda vx
        and #31
        ora tmp2
        jsr emit
        lda vx
        and #31
        eor #$FF
        sec
        adc #SCREEN_COLS
        sta tmp                 ; cells in the first table
        jsr emit
        ldy #0
:       lda rowNames,y
        jsr emit
        iny
        cpy tmp
        bne :-
        cpy #SCREEN_COLS
        beq @next
        ; ... and the rest from column 0 of the other table
        lda vx
        eor #32
        and #32
        lsr a
        lsr a
        lsr a
        sta tmp2
        lda upRow
        lsr a
        lsr a
        lsr a
        ora tmp2
        ora #$20
        jsr emit
        lda upRow
        asl a
        asl a
        asl a
        asl a
        asl a
        jsr emit
        lda #SCREEN_COLS
        sec
        sbc tmp
        jsr emit
:       lda rowNames,y
        jsr emit
        iny
        cpy #SCREEN_COLS
        bne :-
@next:  inc row
        dec upCount
        beq :+
        jmp @row
:

        ; the rows' quadrants, then the attribute row in both tables
        lda upY
        lsr a
        sta qy
        lda upY
        cmp height
        bcs @attr
        jsr updateQuadrantRow
@attr:  lda upY
        jsr mod30
        lsr a
        lsr a
        asl a
        asl a
        asl a
        sta upIndex             ; attribute row * 8
        lda #$23
        ldx #0
        jsr @table
        lda #$27
        ldx #64
        jsr @table
        lda #0
        jmp emit
@table: stx tmp
        jsr emit
        lda upIndex
        ora #$C0
        jsr emit
        lda #8
        jsr emit
        lda upIndex
        clc
        adc tmp
        tay
        lda #8
        sta tmp2
:       lda attrShadow,y
        jsr emit
        iny
        dec tmp2
        bne :-
        rts

; attrShadow takes the palette of picture quadrant (qx, qy)
updateQuadrant:
        lda qy
        lsr a
        ldx attrStep
        jsr mul8
        lda attrBank
        jsr mapWindow
        lda qx
        lsr a
        tay
        lda (src),y
        jsr pickQuadrant
        sta tmp2
        jmp storeQuadrant

; ---------------------------------------------------------------------------
; Loads the palette and writes every visible cell while rendering and NMIs
; are still off, then shows the view.
drawView:
        jsr loadPalette
        jsr clearTables
        jsr drawNames
        jsr drawAttributes
        jsr copyAttributes
        jsr setView
        lda #0
        sta vbuf                ; nothing else to write
        lda #1
        sta updReady

        bit PPUSTATUS
        lda nCtrl               ; NMIs on: frames are counted from here
        sta PPUCTRL
        jsr waitFrame           ; the NMI sets scroll and banks
        lda #$0A                ; background on, also in the leftmost column
        sta PPUMASK
        rts

clearTables:
        bit PPUSTATUS
        lda #$20
        sta PPUADDR
        lda #$00
        sta PPUADDR
        tax
        ldy #8                  ; 2 KB
:       sta PPUDATA
        inx
        bne :-
        dey
        bne :-
        ldx #127
:       sta attrShadow,x
        dex
        bpl :-
        rts

; maps the 16 KB starting at 8 KB bank A + (prod >> 13) to WINDOW and points
; src at prod's place in it
mapWindow:
        sta tmp
        lda prod+1
        lsr a
        lsr a
        lsr a
        lsr a
        lsr a
        clc
        adc tmp
        sta PRGBANK8000
        clc
        adc #1
        sta PRGBANKA000
        lda prod
        sta src
        lda prod+1
        and #$1F
        ora #>WINDOW
        sta src+1
        rts

drawNames:
        lda vy
        ldx width
        jsr mul8
        lda prod
        clc
        adc vx
        sta rowOff
        lda prod+1
        adc #0
        sta rowOff+1
        lda vy
        jsr mod30
        sta ntRow
        lda vy
        sta row
        lda #SCREEN_ROWS
        sta count
@row:   lda row
        cmp height
        bcs @done
        lda rowOff
        sta prod
        lda rowOff+1
        sta prod+1
        lda nameBank
        jsr mapWindow
        lda vx
        sta col
        ldy #0
@cell:  lda col
        cmp width
        bcs @next
        cpy #0
        beq @addr
        and #31
        bne @put
@addr:  ; $2000 or $2400 by column bit 5, plus row * 32 + column
        bit PPUSTATUS
        lda col
        and #32
        lsr a
        lsr a
        lsr a
        sta tmp
        lda ntRow
        lsr a
        lsr a
        lsr a
        ora tmp
        ora #$20
        sta PPUADDR
        lda ntRow
        asl a
        asl a
        asl a
        asl a
        asl a
        sta tmp
        lda col
        and #31
        ora tmp
        sta PPUADDR
@put:   lda (src),y
        sta PPUDATA
        inc col
        iny
        cpy #SCREEN_COLS
        bne @cell
@next:  lda rowOff
        clc
        adc width
        sta rowOff
        bcc :+
        inc rowOff+1
:       inc ntRow
        lda ntRow
        cmp #SCREEN_ROWS
        bne :+
        lda #0
        sta ntRow
:       inc row
        dec count
        bne @row
@done:  rts

; Attribute quadrants (2x2 tiles) of the visible area, unpacked from the
; picture's 4x4-tile bytes and repacked for the name table cells.
drawAttributes:
        lda vy
        lsr a
        sta qy
@rows:  lda qy
        asl a
        cmp height
        bcs @done
        lda vy
        clc
        adc #SCREEN_ROWS - 1
        lsr a
        cmp qy
        bcc @done
        jsr updateQuadrantRow
        inc qy
        jmp @rows
@done:  rts

; attrShadow takes the visible quadrants of quadrant row qy
updateQuadrantRow:
        lda vx
        lsr a
        sta qx
@quad:  lda qx
        asl a
        cmp width
        bcs @done
        lda vx
        clc
        adc #SCREEN_COLS - 1
        lsr a
        cmp qx
        bcc @done
        jsr updateQuadrant
        inc qx
        jmp @quad
@done:  rts

; A = the picture's attribute byte of a 4x4-tile group -> palette of quadrant
; (qx, qy) in it, from bits 2 * (qx & 1) + 4 * (qy & 1)
pickQuadrant:
        pha
        lda qy
        and #1
        beq :+
        pla
        lsr a
        lsr a
        lsr a
        lsr a
        pha
:       lda qx
        and #1
        beq :+
        pla
        lsr a
        lsr a
        pha
:       pla
        and #3
        rts

; tmp2 = palette; writes it into attrShadow for quadrant (qx, qy)
storeQuadrant:
        ; name table row of the quadrant (even): (2 qy) mod 30
        lda qy
        asl a
        jsr mod30
        sta tmp
        ; byte = (col >= 32) * 64 + (row / 4) * 8 + (col & 31) / 4,
        ; col = (2 qx) mod 64
        lsr a
        lsr a
        asl a
        asl a
        asl a
        sta count
        lda qx
        asl a
        and #63
        sta col
        and #31
        lsr a
        lsr a
        ora count
        sta count
        lda col
        and #32
        asl a
        ora count
        tax
        ; shift by 2 for an odd quadrant column, by 4 for an odd quadrant row
        lda #$03
        sta mask
        lda qx
        and #1
        beq :+
        asl tmp2
        asl tmp2
        asl mask
        asl mask
:       lda tmp
        and #2
        beq :+
        asl tmp2
        asl tmp2
        asl tmp2
        asl tmp2
        asl mask
        asl mask
        asl mask
        asl mask
:       lda mask
        eor #$FF
        and attrShadow,x
        ora tmp2
        sta attrShadow,x
        rts

copyAttributes:
        bit PPUSTATUS
        lda #$23
        sta PPUADDR
        lda #$C0
        sta PPUADDR
        ldx #0
:       lda attrShadow,x
        sta PPUDATA
        inx
        cpx #64
        bne :-
        lda #$27
        sta PPUADDR
        lda #$C0
        sta PPUADDR
:       lda attrShadow,x
        sta PPUDATA
        inx
        cpx #128
        bne :-
        rts

; scroll registers, first pattern bank and the first timer value of the view,
; for the NMI to take over
setView:
        lda vx
        asl a
        asl a
        asl a
        sta nScrollX
        lda vx
        lsr a
        lsr a
        lsr a
        lsr a
        lsr a
        and #1
        ora #$80                ; NMI on
        sta nCtrl
        lda vy
        jsr mod30
        asl a
        asl a
        asl a
        sta nScrollY

        ; prod = first pixel row of the view
        lda vy
        sta prod
        lda #0
        sta prod+1
        asl prod
        rol prod+1
        asl prod
        rol prod+1
        asl prod
        rol prod+1
        ; top bank: last bank starting at or above that row
        ldx #0
@find:  inx
        cpx bankCount
        bcs @found
        lda startHi,x
        cmp prod+1
        bcc @find
        bne @found
        lda startLo,x
        cmp prod
        bcc @find
        beq @find
@found: dex
        stx nTopBank
        inx
        lda #0
        sta nIrqOn
        cpx bankCount
        bcs @noIrq
        ; rows to the next bank start
        lda startLo,x
        sec
        sbc prod
        sta tmp
        lda startHi,x
        sbc prod+1
        bne @noIrq
        lda tmp
        cmp #240
        bcs @noIrq
        sta nViewNext
        jsr fireLine
        sta nViewFire
        lda #1
        sta nIrqOn
@noIrq: rts

; A = scan line whose interrupt switches to a bank starting at screen row A
; (the switch lands on the following line). The emulated chip only counts
; lines 0..LAST_COUNTED; later switches wait out the rest in the handler.
fireLine:
        sec
        sbc #1
        cmp #LAST_COUNTED + 1
        bcc :+
        lda #LAST_COUNTED
:       rts

; A = (A mod 30)
mod30:
:       cmp #SCREEN_ROWS
        bcc :+
        sbc #SCREEN_ROWS
        jmp :-
:       rts

; prod = A * X
mul8:
        sta tmp
        stx tmp2
        lda #0
        sta prod
        sta prod+1
        ldx #8
:       asl prod
        rol prod+1
        asl tmp
        bcc :+
        lda prod
        clc
        adc tmp2
        sta prod
        bcc :+
        inc prod+1
:       dex
        bne :--
        rts

waitFrame:
        lda frame
:       cmp frame
        beq :-
        rts


nmi:
        pha
        txa
        pha
        tya
        pha
        lda updReady
        beq :+
        jsr flushUpdate
:       lda #0
        sta TIMEROFF
        ldx topBank
        jsr bankRegs
        sta VIDEOHIGH
        sty BGBANK1
        stx BGBANK0
        lda #SW_NONE
        sta pMode
        lda irqOn
        beq @scroll
        ; the first switch of the frame; the timer counts from line 0
        lda viewNext
        sta pRow
        ldx topBank
        inx
        stx pBank
        jsr bankRegs
        stx pRegs
        sty pRegs+1
        sta pRegs+2
        lda viewFire
        sta TIMERLATCH
        sta TIMERRELOAD
        sta TIMERON
        eor #$FF                ; wait = row - 1 - fire line
        sec
        adc viewNext
        sec
        sbc #1
        sta pWait
        lda #SW_TIMER
        sta pMode
        jsr planFollowing
@scroll:
        bit PPUSTATUS
        lda ctrlValue
        sta PPUCTRL
        lda scrollX
        sta PPUSCROLL
        lda scrollY
        sta PPUSCROLL
        inc frame
        pla
        tay
        pla
        tax
        pla
        rti

; Writes vbuf to the name tables and takes over the n* view.
flushUpdate:
        bit PPUSTATUS
        ldx #0
@rec:   lda vbuf,x
        beq @view
        sta PPUADDR
        lda vbuf+1,x
        sta PPUADDR
        lda vbuf+2,x
        and #$80                ; step 32 for a column
        lsr a
        lsr a
        lsr a
        lsr a
        lsr a
        ora #$80
        sta PPUCTRL
        lda vbuf+2,x
        and #$7F
        tay
        inx
        inx
        inx
:       lda vbuf,x
        sta PPUDATA
        inx
        dey
        bne :-
        beq @rec
@view:  ldx #nIrqOn - nCtrl
:       lda nCtrl,x
        sta ctrlValue,x
        dex
        bpl :-
        lda #0
        sta updReady
        rts

; X = bank -> X, Y, A = its $2016, $2017, $2018 values. Bank k is 4 KB of
; PPU pattern space at k * 4 KB: k * 8 KB of ROM for 16-colour tiles, k * 4 KB
; for 4-colour ones.
bankRegs:
        txa
        asl a
        asl a
        pha
        ora #2
        tay
        txa
        lsr a
        lsr a
        and #$10
        sta tmpIrq
        pla
        tax
        lda tmpIrq
        rts

; q = the switch after p, or SW_NONE
planFollowing:
        lda #SW_NONE
        sta qMode
        ldx pBank
        lda P_IRQLIST,x         ; rows of bank pBank minus one; 0 after the last
        beq @none
        sec
        adc pRow
        bcs @none
        cmp #240
        bcs @none
        sta qRow
        inx
        stx qBank
        jsr bankRegs
        stx qRegs
        sty qRegs+1
        sta qRegs+2
        lda qRow
        jsr fireLine
        cmp pRow
        bcc @late
        ; the timer is reloaded on line pRow - 1, so it fires after fire - pRow + 1 lines
        tax
        sec
        sbc pRow
        sta qLatch
        txa
        eor #$FF                ; wait = row - 1 - fire line
        sec
        adc qRow
        sec
        sbc #1
        sta qWait
        lda #SW_TIMER
        sta qMode
@none:  rts
@late:  ; the handler that switches to p keeps waiting; planning p's
        ; successor and this routine take most of two lines
        lda qRow
        clc
        sbc pRow
        sec
        sbc #1
        sta qWait
        lda #SW_LATE
        sta qMode
        rts

; The timer fired; switch to the pending bank within the line before its
; first row (a window of 113.7 cycles), then arm the timer for the next one.
irq:
        pha
        txa
        pha
        tya
        pha
@again: ldx pWait
        beq @switch
@wait:  ldy #21                 ; one scan line: 113 cycles with dex/bne
:       dey
        bne :-
        nop
        dex
        bne @wait
@switch:
        lda pRegs
        sta BGBANK0
        lda pRegs+1
        sta BGBANK1
        lda pRegs+2
        sta VIDEOHIGH
        sta TIMEROFF            ; acknowledge
        lda qMode
        cmp #SW_TIMER
        bne :+
        lda qLatch
        sta TIMERLATCH
        sta TIMERRELOAD
        sta TIMERON
:       ; q becomes pending
        ldx #(qLatch - qRow)
:       lda qRow,x
        sta pRow,x
        dex
        bpl :-
        lda pMode
        beq @done
        jsr planFollowing
        lda pMode
        cmp #SW_LATE
        bne @done
        .repeat LATE_PAD
        nop
        .endrepeat
        jmp @again
@done:  pla
        tay
        pla
        tax
        pla
        rti

.segment "VECTORS"
        .word nmi
        .word reset
        .word irq
