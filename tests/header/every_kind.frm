VERSION 5.00
Object = "{6ADDB70B-DC6D-4030-87EB-8CCAD6AD82A0}#8.0#0"; "OpalineKit"
Begin Host.Form Every
   Caption         =   "Every kind of control"
   ClientHeight    =   6000
   ClientWidth     =   9000
   Begin OpalineKit.ctl_Opaline_Form Window
      Height          =   6000
      Left            =   0
      Top             =   0
      Width           =   9000
      Begin OpalineKit.fam_Opaline_Framebordder Frame
         Height          =   3000
         Left            =   120
         Top             =   480
         Width           =   4000
         Begin OpalineKit.cmd_Opaline_Button delete
            Left            =   120
            Top             =   240
         End
         Begin OpalineKit.chk_Opaline_CheckBox class
            Left            =   120
            Top             =   840
         End
         Begin OpalineKit.txt_Opaline_opal int
            Left            =   120
            Top             =   1440
         End
      End
      Begin OpalineKit.stp_Brook_TabStrip new
         Left            =   4320
         Top             =   480
      End
      Begin Host.Label Label
         Left            =   4320
         Top             =   2400
      End
      Begin Host.TextBox TextBox
         Left            =   4320
         Top             =   2880
      End
      Begin Host.CommandButton EveryUi
         Left            =   4320
         Top             =   3360
      End
      Begin Host.Image form
         Left            =   120
         Top             =   3720
      End
      Begin Host.PictureBox okit
         Left            =   1200
         Top             =   3720
      End
      Begin Host.Timer errno
         Left            =   2280
         Top             =   3720
      End
      Begin Host.Line linux
         Left            =   3360
         Top             =   3720
      End
      Begin Host.Shape assert
         Left            =   4440
         Top             =   3720
      End
      Begin OpalineKit.cmd_Opaline_Button Struct
         Left            =   5520
         Top             =   3720
      End
   End
End
