VERSION 5.00
Begin Host.Form Loose
   ClientHeight    =   900
   ClientWidth     =   3000
   Begin OpalineKit.chk_Opaline_CheckBox Loose
      Left            =   150
      Top             =   150
      AutoSize        =   5
      Enabled         =   0
      ForeColor       =   &H80000012&
      BackColor       =   "255"
      Caption         =   12
      Value           =   1.5
   End
End
